#include "skin/menu/MenuBarKeys.h"

#include "base/GbkText.h"

namespace {

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

}  // namespace

int MenuBarItemAfterArrow(const std::vector<bool>& visible, int current, MenuArrow arrow, bool rightToLeft) {
    int count = int(visible.size());
    if (count == 0) return -1;
    bool forward = (arrow == MenuArrow::Right) != rightToLeft;
    int step = forward ? 1 : count - 1;
    // From no item, the right arrow finds the first and the left the last.
    int index = current >= 0 && current < count ? current : (forward ? count - 1 : 0);
    for (int tried = 0; tried < count; ++tried) {
        index = (index + step) % count;
        if (visible[index]) return index;
    }
    return -1;
}

std::optional<char> MenuAccelerator(const std::string& caption) {
    // A GBK second byte is never below 0x40, so every "&" byte is an ampersand.
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        char next = caption[i + 1];
        if (next == '&') {
            ++i;
            continue;
        }
        if (IsGbkLeadByte(uint8_t(next))) return std::nullopt;
        return UpperAscii(next);
    }
    return std::nullopt;
}

int MenuBarItemForAccelerator(const std::vector<std::string>& captions, const std::vector<bool>& visible, char letter) {
    for (size_t i = 0; i < captions.size(); ++i) {
        if (i < visible.size() && !visible[i]) continue;
        if (MenuAccelerator(captions[i]) == UpperAscii(letter)) return int(i);
    }
    return -1;
}
