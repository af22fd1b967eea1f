#include "app/ProgramPaths.h"

#include <windows.h>

namespace {
std::wstring ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length;
    while ((length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()))) == path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    return path;
}
}  // namespace

std::wstring ProgramFolder() {
    std::wstring path = ProgramPath();
    return path.substr(0, path.rfind(L'\\') + 1);
}

std::wstring DatabasePath() { return ProgramFolder() + L"zelkona\\cxsjk.Dat"; }

std::wstring Ipv6DatabasePath() { return ProgramFolder() + L"zelkona\\cxsjk6.Dat"; }

std::wstring HelpFilePath() { return ProgramFolder() + L"zelkona\\help.chm"; }

std::wstring QuotedProgramPath() { return L"\"" + ProgramPath() + L"\""; }
