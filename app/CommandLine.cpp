#include "app/CommandLine.h"

#include <windows.h>
#include <shellapi.h>

bool HasCommandLineSwitch(const wchar_t* name) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments) return false;
    bool found = false;
    for (int i = 1; i < count && !found; ++i) found = lstrcmpiW(arguments[i], name) == 0;
    LocalFree(arguments);
    return found;
}
