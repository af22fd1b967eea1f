// A good database update over the loopback address, as a user meets it: the
// real program with the tests' small databases listed as old data, the
// stand-in feed of the tests (bench/update-bench.sh starts it), "检查更新"
// clicked. For each of five runs it prints the seconds from the click until
// the window says "更新完成"; the longest time the window's thread did not
// answer, measured as a key posted to the main window's typed box showing
// there (only a posted message tells: a thread blocked in a call to another
// process still answers sent ones); and how far the program's resident
// memory rose above its idle size, against the size of the larger database.
#include <windows.h>

#include <chrono>
#include <cstdio>

#include "bench/ProgramWatch.h"
#include "tests/e2e/DohStandIn.h"
#include "tests/e2e/MainWindowParts.h"
#include "tests/e2e/TestDatabase.h"
#include "tests/e2e/UpdateParts.h"

using namespace ui;
using Clock = std::chrono::steady_clock;

const int kRuns = 5;

int main() {
    if (!TrustStandIn("QUORVIK_FEED_STAND_IN")) {
        std::fprintf(stderr, "the stand-in feed is not running (bench/update-bench.sh starts it)\n");
        return 1;
    }
    double database = double(std::filesystem::file_size(FromBuild("QUORVIK_DEFAULT_DB")));
    std::printf(
        "run  click to done (target 3 s)  longest silence (target 100 ms)  "
        "memory above idle (target %.1f MB, one database)\n",
        database / 1e6);
    for (int run = 1; run <= kRuns; ++run) {
        ForgetUpdates();
        ProgramFolder folder("update-bench");
        folder.PutDatabase(TestDatabase());
        folder.PutDatabase(TestIpv6Database(), kIpv6Database);
        folder.PutVersionFile("2.3.2020010100");
        Program program(folder.Exe(), FeedSwitches("good"));
        MainWindow main;
        ChooseMenu(main.window, kUpdateDatabase);
        UpdateForm update;
        std::wstring status = ProcStatusOf(L"quorvik-e2e-update-bench\\quorvik.exe");
        Sleep(1000);  // the window opened and painted: the program idles
        size_t idle = ResidentBytes(status);
        HWND box = main.addressBox;
        ProgramWatch watch(
            [box] {
                size_t before = TextLength(box);
                PostMessageW(box, WM_CHAR, L'1', 0);
                while (TextLength(box) <= before) Sleep(0);
            },
            status);
        auto clicked = Clock::now();
        Tap(update.check);
        bool done = WaitFor([&] { return update.Status() == "更新完成"; }, 60000ms);
        double seconds = std::chrono::duration<double>(Clock::now() - clicked).count();
        watch.Stop();
        if (!done) {
            std::fprintf(stderr, "run %d: the update did not end well: %s\n", run, update.Status().c_str());
            return 1;
        }
        std::printf("%3d  %8.2f s  %25.0f ms  %25.1f MB\n", run, seconds, watch.LongestMs(),
                    double(watch.PeakBytes() - std::min(watch.PeakBytes(), idle)) / 1e6);
        std::fflush(stdout);
    }
    ForgetUpdates();
    return 0;
}
