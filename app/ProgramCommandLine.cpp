#include <windows.h>
#include <shellapi.h>

#include "app/CommandLine.h"

namespace {
TCommandLine ReadCommandLine() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> given;
    for (int i = 1; arguments && i < count; ++i) given.push_back(arguments[i]);
    LocalFree(arguments);
    return TCommandLine(given);
}
}  // namespace

const TCommandLine& ProgramCommandLine() {
    static const TCommandLine commandLine = ReadCommandLine();
    return commandLine;
}
