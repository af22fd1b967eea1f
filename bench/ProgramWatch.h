#pragma once
// A program under Wine watched from outside while it works: how long it
// takes to answer, and its resident memory. Wine answers no memory query
// about another process, so that is read where Linux keeps it, through
// drive Z:.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>

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

// The length of a box's text, asked however long the program takes.
inline size_t TextLength(HWND edit) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(edit, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 600000, &length);
    return length;
}

// Every few milliseconds the probe (something the program must answer) is
// timed, and the program's resident memory read; the longest answer and the
// highest memory are kept.
class ProgramWatch {
public:
    ProgramWatch(std::function<void()> probe, const std::wstring& status) {
        FThread = std::thread([this, probe, status] {
            while (!FStop) {
                auto asked = std::chrono::steady_clock::now();
                probe();
                FLongest = std::max(FLongest, std::chrono::steady_clock::now() - asked);
                FPeakBytes = std::max(FPeakBytes, ResidentBytes(status));
                Sleep(5);
            }
        });
    }
    ~ProgramWatch() { Stop(); }
    void Stop() {
        FStop = true;
        if (FThread.joinable()) FThread.join();
    }
    double LongestMs() const { return std::chrono::duration<double, std::milli>(FLongest).count(); }
    size_t PeakBytes() const { return FPeakBytes; }

private:
    std::thread FThread;
    std::atomic<bool> FStop{false};
    std::chrono::steady_clock::duration FLongest{};
    size_t FPeakBytes = 0;
};
