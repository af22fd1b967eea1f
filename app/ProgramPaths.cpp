#include "app/ProgramPaths.h"

#include <windows.h>

#include "gui/Win32Text.h"

std::string ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length;
    while ((length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()))) == path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    // Cut in UTF-16: a GBK second byte can look like a backslash.
    return Narrow(path.substr(0, path.rfind(L'\\') + 1));
}

std::string DatabasePath() { return ProgramFolder() + "zelkona\\cxsjk.Dat"; }

