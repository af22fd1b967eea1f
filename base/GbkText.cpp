#include "base/GbkText.h"

std::string_view GbkPrefix(std::string_view text, size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    size_t cut = 0;
    while (cut < maxBytes) {
        size_t width = IsGbkLeadByte(uint8_t(text[cut])) ? 2 : 1;
        if (cut + width > maxBytes) break;
        cut += width;
    }
    return text.substr(0, cut);
}

std::string TrimText(std::string_view text) {
    size_t begin = 0, end = text.size();
    while (begin < end && uint8_t(text[begin]) <= ' ') ++begin;
    while (end > begin && uint8_t(text[end - 1]) <= ' ') --end;
    return std::string(text.substr(begin, end - begin));
}

std::string_view GbkFileName(std::string_view path) {
    size_t nameStart = 0;
    for (size_t i = 0; i < path.size(); ++i) {
        if (IsGbkLeadByte(uint8_t(path[i])))
            ++i;
        else if (path[i] == '\\' || path[i] == '/')
            nameStart = i + 1;
    }
    return path.substr(nameStart);
}
