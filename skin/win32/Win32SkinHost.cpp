#include "skin/win32/Win32SkinHost.h"

#include <windows.h>

#include "skin/win32/ProgramResource.h"

TColor TWin32SkinHost::SystemColor(SystemColour which) const { return TColor(GetSysColor(int(which))); }

int TWin32SkinHost::ScrollArrowWidth() const { return GetSystemMetrics(SM_CXVSCROLL); }

std::vector<uint8_t> TWin32SkinHost::ProgramBitmap(std::string_view name) const {
    return ProgramResource(std::string(name).c_str(), RT_BITMAP);
}

void TWin32SkinHost::ShowMessage(const std::string& text) const {
    // The text is GBK; the wide message box shows it on any system locale.
    int length = MultiByteToWideChar(936, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(936, 0, text.data(), int(text.size()), wide.data(), length);
    MessageBoxW(nullptr, wide.c_str(), L"Quorvik", MB_OK | MB_ICONWARNING);
}
