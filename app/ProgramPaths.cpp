#include "app/ProgramPaths.h"

#include <windows.h>
#include <shlobj.h>

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

std::wstring BundledDataFolder() { return ProgramFolder() + L"zelkona\\"; }

std::wstring HelpFilePath() { return BundledDataFolder() + L"help.chm"; }

std::wstring UpdatedDataFolder() {
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        GetTempPathW(MAX_PATH, folder);
    std::wstring path = folder;
    if (!path.empty() && path.back() != L'\\') path += L'\\';
    return path + L"Quorvik\\zelkona\\";
}

std::wstring QuotedProgramPath() { return L"\"" + ProgramPath() + L"\""; }
