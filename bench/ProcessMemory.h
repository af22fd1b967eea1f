#pragma once
// The resident memory of a program under Wine, read from Linux: Wine
// answers no memory query about another process, so it is read where Linux
// keeps it, through drive Z:.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/e2e/UiDriver.h"

// The status file of the Linux process whose command line holds the name.
inline std::wstring ProcStatusOf(const std::wstring& exeName) {
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &entry);
    std::wstring found;
    for (bool more = search != INVALID_HANDLE_VALUE; more && found.empty(); more = FindNextFileW(search, &entry)) {
        std::wstring folder = L"Z:\\proc\\" + std::wstring(entry.cFileName);
        std::ifstream cmdline(std::filesystem::path(folder + L"\\cmdline"), std::ios::binary);
        std::string command((std::istreambuf_iterator<char>(cmdline)), {});
        if (command.find(ui::Narrow(exeName)) != std::string::npos) found = folder + L"\\status";
    }
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    return found;
}

inline size_t ResidentBytes(const std::wstring& status) {
    std::ifstream file{std::filesystem::path(status)};
    for (std::string line; std::getline(file, line);)
        if (line.starts_with("VmRSS:")) return std::stoull(line.substr(6)) * 1024;
    return 0;
}
