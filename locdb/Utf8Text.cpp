#include "locdb/Utf8Text.h"

#include "locdb/Utf16ToGbk.h"

namespace {

constexpr char32_t kIllFormed = 0xFFFFFFFF;

struct Decoded {
    char32_t point;
    size_t length;
};

// The character at the start of text, by the well-formed byte sequences of
// Unicode (table 3-7): no overlong forms, no surrogates, nothing above
// U+10FFFF. A broken sequence is ill-formed as far as it went right.
Decoded DecodeOne(std::string_view text) {
    uint8_t lead = text[0];
    if (lead < 0x80) return {lead, 1};
    size_t length;
    char32_t point;
    uint8_t low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        point = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        point = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        point = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return {kIllFormed, 1};
    }
    for (size_t i = 1; i < length; ++i) {
        if (i == text.size() || uint8_t(text[i]) < low || uint8_t(text[i]) > high) return {kIllFormed, i};
        point = point << 6 | (text[i] & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    return {point, length};
}

bool IsAscii(std::string_view text) {
    for (char c : text)
        if (uint8_t(c) >= 0x80) return false;
    return true;
}

}  // namespace

std::string Utf8TextToGbk(std::string_view utf8) {
    if (IsAscii(utf8)) return std::string(utf8);
    std::u16string units;
    for (size_t i = 0; i < utf8.size();) {
        Decoded character = DecodeOne(utf8.substr(i));
        units += character.point <= 0xFFFF ? char16_t(character.point) : u'?';
        i += character.length;
    }
    return Utf16ToGbk(units);
}
