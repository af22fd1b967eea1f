// A site behind a proxy's fake answer, measured from outside the running
// program: manual lookups of a name the hosts file maps into the fake block
// (asked again of the stand-in DNS-over-HTTPS resolver on the loopback
// address) take turns with lookups of a name the hosts file maps to a
// loopback address. Each runs from the click on "手动查询" until the IP box
// shows the answer; the difference of the medians is the time from the fake
// answer to the real address on screen. Run by bench/proxy-bench.sh.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "tests/e2e/DohStandIn.h"
#include "tests/e2e/MainWindowParts.h"

using namespace ui;

namespace {
const int kRounds = 15;

double MedianMs(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds from the click until the IP box shows the address; -1 when
// it does not within 5 s.
double LookupMs(WatchBoxes& main, const std::string& site, const std::string& address) {
    Type(main.webAddress, site);
    auto start = std::chrono::steady_clock::now();
    Tap(main.manualQuery);  // the button gives up the focus while it starts the lookup
    if (!main.WaitForIp(address, 5000ms)) return -1;
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}
}  // namespace

int main() {
    if (!TrustStandIn()) {
        std::fprintf(stderr, "the stand-in resolver is not running (bench/proxy-bench.sh starts it)\n");
        return 1;
    }
    ProgramFolder folder("proxy-bench");
    folder.PutDefaultDatabases();
    Program quorvik(folder.Exe(), DohSwitches({L"1/dns-query"}));
    WatchBoxes main;
    Click(main.automatic);
    WaitFor([&] { return IsWindowEnabled(main.manualQuery) != FALSE; });
    std::vector<double> proxied, plain;
    for (int round = 0; round < kRounds; ++round) {
        proxied.push_back(LookupMs(main, "quorvik-proxied.test/", "220.181.38.148"));
        plain.push_back(LookupMs(main, "quorvik-alias.test/", "127.0.0.2"));
    }
    if (std::count(proxied.begin(), proxied.end(), -1) || std::count(plain.begin(), plain.end(), -1)) {
        std::fprintf(stderr, "a lookup did not show its address within 5 s\n");
        return 1;
    }
    std::printf("click to address, name in the fake block (DNS-over-HTTPS)  median %6.0f ms, max %6.0f ms\n",
                MedianMs(proxied), *std::max_element(proxied.begin(), proxied.end()));
    std::printf("click to address, name the system resolves               median %6.0f ms, max %6.0f ms\n",
                MedianMs(plain), *std::max_element(plain.begin(), plain.end()));
    std::printf("fake answer to the real address on screen                median %6.0f ms (target 300 ms)\n",
                MedianMs(proxied) - MedianMs(plain));
    return 0;
}
