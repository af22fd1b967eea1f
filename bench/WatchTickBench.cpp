// The cost of one watch tick while the foreground window is no browser: the
// foreground check and the class-name read that every second costs.
#include <windows.h>

#include <chrono>
#include <cstdio>

#include "app/BrowserWindow.h"

int main() {
    const int ticks = 200000;
    int browsers = 0;
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < ticks; ++i) browsers += IsInternetExplorer(GetForegroundWindow());
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("watch tick, no browser in front: %.2f us (%d of %d ticks saw a browser)\n",
                seconds / ticks * 1e6, browsers, ticks);
    return 0;
}
