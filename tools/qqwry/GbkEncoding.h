#pragma once
#include <iconv.h>

#include <string>
#include <string_view>

// Converts UTF-8 text to GBK with glibc's iconv. A character that GBK cannot
// hold becomes its transliteration (NBSP a blank, "ç" a "c" under a UTF-8
// locale) or "?", so one odd character never costs the rest of the text.
// Text that is not UTF-8 at all is an error (Exception), not a guess.
class Utf8ToGbk {
public:
    Utf8ToGbk();
    ~Utf8ToGbk();
    Utf8ToGbk(const Utf8ToGbk&) = delete;
    Utf8ToGbk& operator=(const Utf8ToGbk&) = delete;

    std::string Convert(std::string_view utf8);

private:
    iconv_t FConverter;
};

// Whether the bytes are well-formed GBK: single bytes 0x00..0x80 (0x80 is the
// euro sign of code page 936) and lead bytes 0x81..0xFE each followed by a
// second byte 0x40..0x7E or 0x80..0xFE. Ill-formed text would make a reader
// step over the zero byte that ends it.
bool IsWellFormedGbk(std::string_view text);
