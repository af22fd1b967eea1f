// The watch of browsers read through accessibility, measured from outside
// with the stand-in browsers. Usage: browser-watch-bench MODE [count]
//   latency  address change to filled boxes, through events and the timer
//   hang     the longest time the main window does not answer while a
//            stand-in hangs mid-walk
//   read     one read with the field found against a walk, per family
//   idle N / baseline N   N seconds with a browser in front, with and
//            without the program; bench/browser-watch-bench.sh reads the CPU
//            time between the marks this prints
//   soak N   N address changes 50 ms apart, each to a distinct IP literal;
//            the script reads the resident memory at the marks, which Wine
//            does not tell another process
#include <objbase.h>
#include <psapi.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "app/AccessibleAddress.h"
#include "app/HostLookups.h"
#include "tests/e2e/MainWindowParts.h"
#include "tests/e2e/TestDatabase.h"

using namespace ui;
using Clock = std::chrono::steady_clock;

namespace {

const MenuPath kAutoNotice = {1, 0};

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Family {
    const char* name;
    const wchar_t* executable;
    const wchar_t* shape;
    const wchar_t* frameClass;
    const wchar_t* options;
};

const Family kChrome = {"Chromium", L"chrome.exe", L"Chromium", L"Chrome_WidgetWin_1", L"-"};
const Family kFamilies[] = {
    kChrome,
    {"Chromium, older, 300 tabs first", L"chrome.exe", L"ChromiumOlder", L"Chrome_WidgetWin_1", L"-"},
    {"Firefox", L"firefox.exe", L"Firefox", L"MozillaWindowClass", L"-"},
    {"Chromium, page of 10,000 elements", L"chrome.exe", L"Chromium", L"Chrome_WidgetWin_1", L"bigpage"},
};

bool FieldRead(HWND frame) {
    std::optional<TAddressReading> reading = ReadAccessibleAddress(frame);
    return reading && reading->FieldFound;
}

AccessibleBrowser Start(const Family& family, const std::wstring& options, const std::string& address) {
    return AccessibleBrowser(family.executable, family.shape, family.frameClass, options, address);
}

// The program from a fresh folder, notices off so that balloons do not pile up.
struct Quorvik {
    ProgramFolder folder{"browser-bench"};
    Program program = (folder.PutDatabase(TestDatabase()), folder.Start());
    WatchBoxes main;
    Quorvik() { ChooseMenu(main.window, kAutoNotice); }
};

// Polls the IP box closely, so that the figure is the watch's, not the poll's.
bool WaitForIpClosely(WatchBoxes& main, const std::string& ip, std::chrono::milliseconds timeout) {
    auto end = Clock::now() + timeout;
    while (Clock::now() < end) {
        if (TextOf(main.ip) == ip) return true;
        Sleep(1);
    }
    return false;
}

void PrintSpread(const char* what, std::vector<double> figures) {
    if (figures.empty()) return (void)std::printf("%s: no figures\n", what);
    std::sort(figures.begin(), figures.end());
    std::printf("%s: median %.1f ms, max %.1f ms (%zu)\n", what, figures[figures.size() / 2], figures.back(),
                figures.size());
}

std::vector<double> ChangeLatencies(const std::wstring& options, int subnet, bool atRandomPhases) {
    Quorvik quorvik;
    AccessibleBrowser browser = Start(kChrome, options, "http://127.0." + std::to_string(subnet) + ".1/");
    browser.BringForward();
    quorvik.main.WaitForIp("127.0." + std::to_string(subnet) + ".1");
    std::vector<double> latencies;
    for (int i = 2; i <= 21; ++i) {
        std::string ip = "127.0." + std::to_string(subnet) + "." + std::to_string(i);
        auto start = Clock::now();
        browser.GoTo("http://" + ip + "/");
        if (WaitForIpClosely(quorvik.main, ip, 5000ms)) latencies.push_back(MillisecondsSince(start));
        Sleep(atRandomPhases ? 137 * i % 1000 : 200);
    }
    return latencies;
}

void Latency() {
    PrintSpread("address change to filled boxes, event path", ChangeLatencies(L"-", 1, false));
    PrintSpread("address change to filled boxes, timer path", ChangeLatencies(L"quiet", 2, true));
}

void Hang() {
    Quorvik quorvik;
    AccessibleBrowser browser = Start(kChrome, L"hang", "http://127.0.0.11/");
    auto start = Clock::now();
    browser.BringForward();
    double longest = 0;
    while (Clock::now() - start < 6000ms) {
        auto asked = Clock::now();
        DWORD_PTR result;
        SendMessageTimeoutW(quorvik.main.window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
        longest = std::max(longest, MillisecondsSince(asked));
        Sleep(10);
    }
    bool filled = quorvik.main.WaitForIp("127.0.0.11", 5000ms);
    std::printf("stand-in hanging 4 s mid-walk: the main window answered within %.1f ms at the longest; "
                "the address came %s\n",
                longest, filled ? "once it answered again" : "NEVER");
}

void Read() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    for (const Family& family : kFamilies) {
        AccessibleBrowser browser = Start(family, family.options, "http://127.0.0.1/");
        std::vector<double> walks, found;
        for (int i = 0; i < 30; ++i) {
            ForgetAddressFields();
            auto start = Clock::now();
            if (FieldRead(browser.Frame())) walks.push_back(MillisecondsSince(start));
        }
        for (int i = 0; i < 200; ++i) {
            auto start = Clock::now();
            if (FieldRead(browser.Frame())) found.push_back(MillisecondsSince(start));
        }
        PrintSpread((std::string(family.name) + ": walk from scratch").c_str(), walks);
        PrintSpread((std::string(family.name) + ": field already found").c_str(), found);
        ForgetAddressFields();
    }
    CoUninitialize();
}

void Mark(const char* mark) {
    std::printf("%s\n", mark);
    std::fflush(stdout);
}

// The pointer rests on the browser, away from the icon and the caption.
void IdleFor(int seconds, AccessibleBrowser& browser) {
    RECT frame;
    GetWindowRect(browser.Frame(), &frame);
    SetCursorPos((frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2);
    Sleep(2000);
    Mark("idle start");
    Sleep(DWORD(seconds) * 1000);
    Mark("idle end");
}

void Idle(int seconds, bool withProgram) {
    AccessibleBrowser browser = Start(kChrome, L"-", "http://127.0.0.1/");
    if (!withProgram) {
        browser.BringForward();
        return IdleFor(seconds, browser);
    }
    Quorvik quorvik;
    browser.BringForward();
    quorvik.main.WaitForIp("127.0.0.1");
    IdleFor(seconds, browser);
}

struct Footprint {
    size_t workingSet, privateBytes;
    DWORD handles, gdiObjects, userObjects;
};

Footprint FootprintOf(HANDLE process) {
    PROCESS_MEMORY_COUNTERS memory = {sizeof memory};
    GetProcessMemoryInfo(process, &memory, sizeof memory);
    DWORD handles = 0;
    GetProcessHandleCount(process, &handles);
    return {memory.WorkingSetSize, memory.PagefileUsage, handles, GetGuiResources(process, GR_GDIOBJECTS),
            GetGuiResources(process, GR_USEROBJECTS)};
}

void PrintFootprint(const char* when, const Footprint& footprint) {
    std::printf("%s: working set %.1f MiB, private %.1f MiB, handles %lu, GDI objects %lu, USER objects %lu\n", when,
                footprint.workingSet / 1048576.0, footprint.privateBytes / 1048576.0, footprint.handles,
                footprint.gdiObjects, footprint.userObjects);
}

void Soak(int changes) {
    Quorvik quorvik;
    AccessibleBrowser browser = Start(kChrome, L"-", "http://127.0.0.1/");
    browser.BringForward();
    quorvik.main.WaitForIp("127.0.0.1");
    DWORD processId = 0;
    GetWindowThreadProcessId(quorvik.main.window, &processId);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    UINT startedMessage = RegisterWindowMessageW(kLookupsStartedMessage);
    LRESULT startedBefore = SendMessageW(quorvik.main.window, startedMessage, 0, 0);
    Footprint before = FootprintOf(process);
    Mark("soak start");
    auto start = Clock::now();
    for (int i = 1; i <= changes; ++i) {
        std::string ip = "127." + std::to_string(1 + i / 65536) + "." + std::to_string(i / 256 % 256) + "." +
                         std::to_string(i % 256);
        browser.GoTo("http://" + ip + "/soak");
        std::this_thread::sleep_until(start + i * 50ms);
    }
    Sleep(3000);  // the last answers
    Mark("soak end");
    Sleep(1000);  // while the script reads the resident memory
    LRESULT requests = SendMessageW(quorvik.main.window, startedMessage, 0, 0) - startedBefore;
    std::printf("soak: %d address changes, %ld look-up requests\n", changes, long(requests));
    PrintFootprint("soak start", before);
    PrintFootprint("soak end", FootprintOf(process));
    CloseHandle(process);
}

}  // namespace

int main(int argc, char** argv) {
    std::string mode = argc > 1 ? argv[1] : "";
    int count = argc > 2 ? std::atoi(argv[2]) : 0;
    if (mode == "latency") return Latency(), 0;
    if (mode == "hang") return Hang(), 0;
    if (mode == "read") return Read(), 0;
    if (mode == "idle") return Idle(count ? count : 60, true), 0;
    if (mode == "baseline") return Idle(count ? count : 60, false), 0;
    if (mode == "soak") return Soak(count ? count : 10000), 0;
    std::fprintf(stderr, "usage: browser-watch-bench latency|hang|read|idle N|baseline N|soak N\n");
    return 2;
}
