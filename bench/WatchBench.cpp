// The running program measured from outside: time from a browser's address
// change to the filled boxes, then its working set while it sits in the tray
// for the given time. Wine does not report another process's CPU time, so
// bench/watch-bench.sh reads that from the system during the idle stretch,
// which this program marks on its output. Usage: watch-bench [idle seconds]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/e2e/MainWindowParts.h"

using namespace ui;

namespace {

std::vector<double> AddressChangeLatencies(FakeBrowser& browser, WatchBoxes& main, int count) {
    std::vector<double> latencies;
    for (int i = 1; i <= count; ++i) {
        std::string ip = "127.0.0." + std::to_string(10 + i);
        auto start = std::chrono::steady_clock::now();
        browser.GoTo("http://" + ip + "/page");
        if (!main.WaitForIp(ip, 5000ms)) continue;
        latencies.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        // Changes land at random points of the watch period, as a person's do.
        Sleep(137 * i % 1000);
    }
    std::sort(latencies.begin(), latencies.end());
    return latencies;
}

}  // namespace

int main(int argc, char** argv) {
    int idleSeconds = argc > 1 ? std::atoi(argv[1]) : 60;
    StartedProgram quorvik("bench");
    WatchBoxes main;
    FakeBrowser browser("http://127.0.0.1/");
    browser.BringForward();
    main.WaitForIp("127.0.0.1");

    std::vector<double> latencies = AddressChangeLatencies(browser, main, 12);
    if (!latencies.empty())
        std::printf("address change to filled boxes: median %.0f ms, max %.0f ms (%zu changes)\n",
                    latencies[latencies.size() / 2] * 1000, latencies.back() * 1000, latencies.size());

    DWORD processId = 0;
    GetWindowThreadProcessId(main.window, &processId);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    PostMessageW(main.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    WaitFor([&] { return !IsWindowVisible(main.window); });
    std::printf("idle start\n");
    std::fflush(stdout);
    Sleep(DWORD(idleSeconds) * 1000);
    std::printf("idle end\n");
    std::fflush(stdout);
    PROCESS_MEMORY_COUNTERS memory = {sizeof memory};
    GetProcessMemoryInfo(process, &memory, sizeof memory);
    std::printf("working set in the tray: %.1f MiB\n", memory.WorkingSetSize / 1048576.0);
    CloseHandle(process);
    return 0;
}
