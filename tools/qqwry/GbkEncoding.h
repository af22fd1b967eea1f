#pragma once
#include <string>
#include <string_view>

#include "locdb/IconvConverter.h"

// Converts UTF-8 text to GBK with glibc's iconv. A character that GBK cannot
// hold becomes its transliteration (NBSP a blank, "ç" a "c" under a UTF-8
// locale) or "?", so one odd character never costs the rest of the text.
// Text that is not UTF-8 at all is an error (Exception), not a guess.
class Utf8ToGbk {
public:
    std::string Convert(std::string_view utf8);

private:
    IconvConverter FConverter{"GBK//TRANSLIT", "UTF-8"};
};

// Converts well-formed GBK (as IsWellFormedGbk tells it) to UTF-8; every
// GBK character has a Unicode one, so nothing is lost.
class GbkToUtf8 {
public:
    std::string Convert(std::string_view gbk);

private:
    IconvConverter FConverter{"UTF-8", "GBK"};
};

// Whether the bytes are well-formed GBK: single bytes 0x00..0x80 (0x80 is the
// euro sign of code page 936) and lead bytes 0x81..0xFE each followed by a
// second byte 0x40..0x7E or 0x80..0xFE. Ill-formed text would make a reader
// step over the zero byte that ends it.
bool IsWellFormedGbk(std::string_view text);
