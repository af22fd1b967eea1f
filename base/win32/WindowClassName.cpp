#include "base/win32/WindowClassName.h"

#include "base/win32/Win32Text.h"

std::string WindowClassName(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 255);
    return Narrow(name);
}
