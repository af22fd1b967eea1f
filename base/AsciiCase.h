#pragma once
#include <algorithm>
#include <string_view>

// Letter case of ASCII letters alone, as host names, HTTP header names,
// executable names and command-line switches compare; every other byte or
// code unit (GBK, UTF-16) stays as it is.

template <class Char>
Char AsciiLower(Char c) {
    return c >= 'A' && c <= 'Z' ? Char(c | 0x20) : c;
}

template <class Char>
bool SameIgnoringAsciiCase(std::basic_string_view<Char> a, std::basic_string_view<Char> b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](Char x, Char y) { return AsciiLower(x) == AsciiLower(y); });
}

inline bool SameIgnoringCase(std::string_view a, std::string_view b) { return SameIgnoringAsciiCase(a, b); }
inline bool SameIgnoringCase(std::wstring_view a, std::wstring_view b) { return SameIgnoringAsciiCase(a, b); }
