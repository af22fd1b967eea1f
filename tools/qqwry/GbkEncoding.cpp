#include "tools/qqwry/GbkEncoding.h"

#include "base/Exception.h"
#include "base/GbkText.h"

namespace {

bool IsContinuationByte(uint8_t byte) { return (byte & 0xC0) == 0x80; }

// Length of the UTF-8 sequence at the start of text, or 0 when its shape is
// wrong. A sequence of the right shape that iconv still refuses (an overlong
// form, a surrogate) is replaced like a character GBK cannot hold.
size_t Utf8SequenceLength(std::string_view text) {
    uint8_t lead = text[0];
    size_t length = lead < 0x80                 ? 1
                    : lead >= 0xC2 && lead <= 0xDF ? 2
                    : lead >= 0xE0 && lead <= 0xEF ? 3
                    : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                   : 0;
    if (length == 0 || length > text.size()) return 0;
    for (size_t i = 1; i < length; ++i)
        if (!IsContinuationByte(text[i])) return 0;
    return length;
}

bool IsAscii(std::string_view text) {
    for (char c : text)
        if (uint8_t(c) >= 0x80) return false;
    return true;
}

}  // namespace

std::string Utf8ToGbk::Convert(std::string_view utf8) {
    if (IsAscii(utf8)) return std::string(utf8);
    return FConverter.Convert(utf8, [](std::string_view rest, std::string& out) {
        // A character iconv could neither convert nor transliterate.
        size_t length = Utf8SequenceLength(rest);
        if (length == 0) throw Exception("text is not valid UTF-8");
        out += '?';
        return length;
    });
}

std::string GbkToUtf8::Convert(std::string_view gbk) {
    if (IsAscii(gbk)) return std::string(gbk);
    return FConverter.Convert(gbk, [](std::string_view, std::string&) -> size_t {
        throw Exception("text is not well-formed GBK");
    });
}

bool IsWellFormedGbk(std::string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        uint8_t byte = text[i];
        if (byte == 0xFF) return false;
        if (!IsGbkLeadByte(byte)) continue;
        if (++i == text.size()) return false;
        uint8_t second = text[i];
        if (second < 0x40 || second == 0x7F || second == 0xFF) return false;
    }
    return true;
}
