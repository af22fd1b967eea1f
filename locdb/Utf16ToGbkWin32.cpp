#include <windows.h>

#include "locdb/Utf16ToGbk.h"

// Code page 936 as at every crossing, but without the best-fit mappings that
// Windows applies by default (which would turn "é" into "e" where the other
// platforms give "?"): a character either has its GBK form or is "?".
std::string Utf16ToGbk(std::u16string_view text) {
    if (text.empty()) return {};
    const wchar_t* wide = reinterpret_cast<const wchar_t*>(text.data());
    int size = int(text.size());
    int length = WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, wide, size, nullptr, 0, "?", nullptr);
    std::string gbk(length, '\0');
    WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, wide, size, gbk.data(), length, "?", nullptr);
    return gbk;
}
