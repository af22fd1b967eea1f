#include "skin/win32/Win32SkinHost.h"

#include <windows.h>

#include "gui/Files.h"
#include "gui/Win32Text.h"
#include "skin/win32/ProgramResource.h"

TColor TWin32SkinHost::SystemColor(SystemColour which) const { return TColor(GetSysColor(int(which))); }

int TWin32SkinHost::ScrollArrowWidth() const { return GetSystemMetrics(SM_CXVSCROLL); }

std::vector<uint8_t> TWin32SkinHost::ProgramBitmap(std::string_view name) const {
    return ProgramResource(Widen(name).c_str(), RT_BITMAP);
}

void TWin32SkinHost::ShowMessage(const std::string& text) const {
    MessageBoxW(nullptr, Widen(text).c_str(), L"Quorvik", MB_OK | MB_ICONWARNING);
}

std::optional<std::vector<uint8_t>> TWin32SkinHost::ReadFile(const std::string& path, uint64_t maxBytes) const {
    return ReadWholeFile(path, maxBytes);
}

const TSkinHost& SystemSkinHost() {
    static const TWin32SkinHost host;
    return host;
}
