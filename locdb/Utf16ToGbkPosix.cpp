#include "locdb/IconvConverter.h"
#include "locdb/Utf16ToGbk.h"

std::string Utf16ToGbk(std::u16string_view text) {
    // Opened once per thread: opening costs more than a lookup.
    thread_local IconvConverter converter("GBK", "UTF-16LE");
    std::string bytes;
    for (char16_t unit : text) {
        bytes += char(unit & 0xFF);
        bytes += char(unit >> 8);
    }
    return converter.Convert(bytes, [](std::string_view, std::string& converted) {
        converted += '?';
        return size_t(2);
    });
}
