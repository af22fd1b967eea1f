// The batch memo scrolled as a user scrolls it, on the real program under
// Wine: 10,000 lines, from the top to the bottom one line at a time, each
// line scrolled and painted before the next (the skinned scroll bar follows
// every line), timed with the skin and again with "/noskin". Prints both
// times and their ratio. Run it as the end-to-end tests run, with
// QUORVIK_EXE set. Usage: scroll-bench [runs per mode] [lines]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/e2e/ProgramFolder.h"
#include "tests/e2e/UiDriver.h"

using namespace ui;
using Clock = std::chrono::steady_clock;

namespace {
const UINT kSkinQuery = 13603;

std::string NumberedLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += (i ? "\r\n" : "") + std::to_string(i + 1) + ".1.1.1";
    return text;
}

int FirstVisibleLine(HWND memo) { return int(SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0)); }

// The skin's panel lying over the memo's vertical bar, beside the memo on
// its parent (taller than wide, at the memo's right edge); null when none
// shows there.
HWND VerticalPanelOver(HWND memo) {
    RECT own;
    GetWindowRect(memo, &own);
    for (HWND panel : Children(GetParent(memo), L"TScrollbarPanel")) {
        RECT place;
        GetWindowRect(panel, &place);
        bool tall = place.bottom - place.top > place.right - place.left;
        if (IsWindowVisible(panel) && tall && place.right <= own.right && place.right >= own.right - 4 &&
            place.top >= own.top)
            return panel;
    }
    return nullptr;
}

struct Run {
    double Seconds = -1;
    int Steps = 0;
    // At the last line, and the skin's panel over the bar exactly when skinned.
    bool EndedRight = false;
};

// Scrolls the memo from its first line to its last, one line a step, each
// step painted before the next.
Run ScrollTopToBottom(HWND memo, int lines, bool skinned) {
    SendMessageW(memo, WM_VSCROLL, SB_TOP, 0);
    UpdateWindow(memo);
    Run run;
    auto start = Clock::now();
    for (int last = -1, line = FirstVisibleLine(memo); line != last; line = FirstVisibleLine(memo)) {
        last = line;
        SendMessageW(memo, WM_VSCROLL, SB_LINEDOWN, 0);
        UpdateWindow(memo);
        ++run.Steps;
    }
    run.Seconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.EndedRight = FirstVisibleLine(memo) > lines - 100 && skinned == (VerticalPanelOver(memo) != nullptr);
    return run;
}

Run Measure(const ProgramFolder& folder, int lines, bool skinned) {
    Program program(folder.Exe(), skinned ? L"" : L"/noskin");
    HWND main = FindTopWindow(L"TForm1");
    if (!main) return {};
    if (skinned) WaitFor([&] { return SendMessageW(main, kSkinQuery, 0, 0) == 1; });
    ChooseMenu(main, {0, 0});
    HWND batch = FindTopWindow(L"TForm2");
    if (!batch) return {};
    BringForward(batch);
    HWND memo = Children(batch, L"TMemo").at(0);
    Paste(memo, NumberedLines(lines));
    WaitFor([&] { return SendMessageW(memo, EM_GETLINECOUNT, 0, 0) >= lines; }, 60000ms);
    Sleep(300);
    return ScrollTopToBottom(memo, lines, skinned);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(std::atoi(argv[1]), 1) : 1;
    int lines = argc > 2 ? std::max(std::atoi(argv[2]), 100) : 10000;
    ProgramFolder folder("scroll-bench");
    std::vector<double> skinned, plain;
    for (int i = 0; i < runs; ++i) {
        for (bool skin : {true, false}) {
            Run run = Measure(folder, lines, skin);
            if (run.Seconds < 0 || !run.EndedRight) {
                std::fprintf(stderr, "scroll-bench: the %s run went wrong after %d steps\n",
                             skin ? "skinned" : "\"/noskin\"", run.Steps);
                return 1;
            }
            (skin ? skinned : plain).push_back(run.Seconds);
            std::printf("run %d %-9s %d lines scrolled in %.2f s (%.3f ms a line)\n", i + 1,
                        skin ? "skinned" : "\"/noskin\"", run.Steps, run.Seconds, run.Seconds * 1000 / run.Steps);
            std::fflush(stdout);
        }
    }
    double skinnedMedian = Median(skinned), plainMedian = Median(plain);
    std::printf("%d-line memo, top to bottom a line at a time: skinned %.2f s, \"/noskin\" %.2f s, "
                "ratio %.2f (target at most 2)\n",
                lines, skinnedMedian, plainMedian, skinnedMedian / plainMedian);
    return 0;
}
