#include "base/win32/Win32Text.h"

#include <windows.h>

namespace {
const UINT kGbkCodePage = 936;
}

std::wstring Widen(std::string_view gbk) {
    if (gbk.empty()) return {};
    int length = MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), int(gbk.size()), nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), int(gbk.size()), wide.data(), length);
    return wide;
}

std::string Narrow(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    int length = WideCharToMultiByte(kGbkCodePage, 0, utf16.data(), int(utf16.size()), nullptr, 0,
                                     nullptr, nullptr);
    std::string gbk(length, '\0');
    WideCharToMultiByte(kGbkCodePage, 0, utf16.data(), int(utf16.size()), gbk.data(), length,
                        nullptr, nullptr);
    return gbk;
}

std::wstring WidenLines(std::string_view gbk) {
    std::wstring wide = Widen(gbk), text;
    for (size_t i = 0; i < wide.size(); ++i) {
        text += wide[i];
        if (wide[i] == L'\r' && (i + 1 == wide.size() || wide[i + 1] != L'\n')) text += L'\n';
    }
    return text;
}
