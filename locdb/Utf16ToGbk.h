#pragma once
#include <string>
#include <string_view>

// The platform's half of Utf8TextToGbk: UTF-16 units of the Basic
// Multilingual Plane, no surrogates, to GBK, each one without a GBK
// character "?". Code page 936 on Windows, glibc's iconv elsewhere.
std::string Utf16ToGbk(std::u16string_view text);
