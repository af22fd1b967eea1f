// The batch window as a user meets it, with the real program and the
// default databases under Wine: random addresses pasted through the
// clipboard into the memo, then "查询". For 1,000, 10,000 and 100,000 lines,
// IPv4 alone and then IPv4 and IPv6 taking turns, it prints the seconds from
// the click until the memo holds the result, the longest time the window did
// not answer a message meanwhile, and how much the program's memory grew
// against the size of the annotated text. Run it as the end-to-end tests
// run, with QUORVIK_EXE and QUORVIK_DEFAULT_DB set.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>

#include "bench/ProgramWatch.h"
#include "tests/e2e/ProgramFolder.h"
#include "tests/e2e/UiDriver.h"

using namespace ui;

namespace {

using Clock = std::chrono::steady_clock;

std::string RandomIpv4(std::mt19937& random) {
    uint32_t a = random();
    return std::to_string(a >> 24) + "." + std::to_string(a >> 16 & 255) + "." + std::to_string(a >> 8 & 255) + "." +
           std::to_string(a & 255);
}

// A host of a random network of the global unicast block 2000::/3, written
// as logs write it: the network in full, a small host number behind "::".
std::string RandomIpv6(std::mt19937& random) {
    char text[40];
    std::snprintf(text, sizeof text, "%x:%x:%x:%x::%x", unsigned(0x2000 + random() % 0x2000),
                  unsigned(random() & 0xFFFF), unsigned(random() & 0xFFFF), unsigned(random() & 0xFFFF),
                  unsigned(1 + random() % 0xFF));
    return text;
}

std::string RandomAddressLines(size_t count, bool withIpv6) {
    std::mt19937 random(7);
    std::string text;
    for (size_t i = 0; i < count; ++i) {
        if (i) text += "\r\n";
        text += withIpv6 && i % 2 ? RandomIpv6(random) : RandomIpv4(random);
    }
    return text;
}

}  // namespace

int main() {
    ProgramFolder folder("batch-bench");
    folder.PutDefaultDatabases();
    Program program = folder.Start();
    HWND main = FindTopWindow(L"TForm1");
    ChooseMenu(main, {0, 0});
    HWND batch = FindTopWindow(L"TForm2");
    if (!batch) {
        std::fprintf(stderr, "batch-bench: the batch window did not appear\n");
        return 1;
    }
    std::wstring status = ProcStatusOf(L"quorvik-e2e-batch-bench\\quorvik.exe");
    HWND memo = Children(batch, L"TMemo").at(0);
    HWND query = ChildWithText(batch, L"TButton", "查询");
    std::printf("  lines  kind       seconds  longest silence  memory growth / annotated text\n");
    for (bool withIpv6 : {false, true}) {
        for (size_t lines : {1000, 10000, 100000}) {
            Paste(memo, RandomAddressLines(lines, withIpv6));
            DWORD_PTR before = TextLength(memo);
            size_t bytesBefore = ResidentBytes(status);
            // A message sent to the window every few milliseconds.
            ProgramWatch watch(
                [batch] {
                    DWORD_PTR result;
                    SendMessageTimeoutW(batch, WM_NULL, 0, 0, SMTO_NORMAL, 600000, &result);
                },
                status);
            auto start = Clock::now();
            Tap(query);  // the button is disabled at once, so no wait for it to take the focus
            while (!(IsWindowEnabled(query) && TextLength(memo) != before)) Sleep(1);
            double seconds = std::chrono::duration<double>(Clock::now() - start).count();
            watch.Stop();
            std::string annotated = TextOf(memo);
            double growth = double(watch.PeakBytes() - std::min(watch.PeakBytes(), bytesBefore));
            std::printf("%7zu  %-9s  %7.2f  %12.0f ms  %6.1f MB / %5.1f MB = %.2f\n", lines,
                        withIpv6 ? "IPv4+IPv6" : "IPv4", seconds, watch.LongestMs(), growth / 1e6,
                        annotated.size() / 1e6, growth / annotated.size());
            std::fflush(stdout);
        }
    }
    return 0;
}
