// Seconds from pressing "查询" in the batch window until the annotated lines
// are in the memo, for pasted lists of 1,000, 10,000 and 100,000 addresses,
// with the real program and the default database under Wine. Run it as the
// end-to-end tests run, with QUORVIK_EXE and QUORVIK_DEFAULT_DB set.
#include <chrono>
#include <cstdio>
#include <random>
#include <string>

#include "tests/e2e/ProgramFolder.h"
#include "tests/e2e/UiDriver.h"

using namespace ui;

namespace {

using Clock = std::chrono::steady_clock;

std::string RandomAddressLines(size_t count) {
    std::mt19937 random(7);
    std::string text;
    for (size_t i = 0; i < count; ++i) {
        uint32_t a = random();
        if (i) text += "\r\n";
        text += std::to_string(a >> 24) + "." + std::to_string(a >> 16 & 255) + "." +
                std::to_string(a >> 8 & 255) + "." + std::to_string(a & 255);
    }
    return text;
}

DWORD_PTR TextLength(HWND edit) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(edit, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 600000, &length);
    return length;
}

// The program is busy in the handler until the memo holds longer text; a
// message sent meanwhile waits for it.
double SecondsToAnnotate(HWND memo, HWND query) {
    DWORD_PTR before = TextLength(memo);
    auto start = Clock::now();
    Click(query);
    while (TextLength(memo) == before) Sleep(1);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main() {
    ProgramFolder folder("batch-bench");
    folder.PutDatabaseFile(FromBuild("QUORVIK_DEFAULT_DB"));
    Program program = folder.Start();
    HWND main = FindTopWindow(L"TForm1");
    ChooseMenu(main, {0, 0});
    HWND batch = FindTopWindow(L"TForm2");
    if (!batch) {
        std::fprintf(stderr, "batch-bench: the batch window did not appear\n");
        return 1;
    }
    HWND memo = Children(batch, L"TMemo").at(0);
    HWND query = ChildWithText(batch, L"TButton", "查询");
    for (size_t lines : {1000, 10000, 100000}) {
        Paste(memo, RandomAddressLines(lines));
        double seconds = SecondsToAnnotate(memo, query);
        std::printf("%7zu lines  %7.2f s  %6.1f us/line\n", lines, seconds, seconds / lines * 1e6);
    }
    return 0;
}
