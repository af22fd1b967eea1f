#include "app/ProgramPaths.h"

#include <windows.h>

#include "gui/Win32Text.h"

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

std::string ProgramFolder() {
    // Cut in UTF-16: a GBK second byte can look like a backslash.
    std::wstring path = ProgramPath();
    return Narrow(path.substr(0, path.rfind(L'\\') + 1));
}

std::string DatabasePath() { return ProgramFolder() + "zelkona\\cxsjk.Dat"; }

std::string HelpFilePath() { return ProgramFolder() + "zelkona\\help.chm"; }

std::string QuotedProgramPath() {
    std::string quoted = Narrow(ProgramPath());
    quoted.insert(quoted.begin(), '"');
    return quoted + '"';
}
