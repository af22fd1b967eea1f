#pragma once
#include <string>
#include <string_view>

// The one crossing between the program's GBK text and Win32's UTF-16, always
// through code page 936, so Chinese shows right on a Windows of any language.
std::wstring Widen(std::string_view gbk);
std::string Narrow(std::wstring_view utf16);
// Program texts break lines at a lone carriage return; tooltips and message
// boxes want CR LF.
std::wstring WidenLines(std::string_view gbk);
