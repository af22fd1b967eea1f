#include "app/HostFallback.h"

#include <algorithm>

#include "locdb/AddressText.h"

namespace {
const std::string kWww = "www.";

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c | 0x20) : c; }

bool StartsWithWww(const std::string& name) {
    return name.size() >= kWww.size() &&
           std::equal(kWww.begin(), kWww.end(), name.begin(), [](char www, char c) { return www == AsciiLower(c); });
}

// An address literal or the local machine names no site behind a "www.".
bool MayHideWww(const std::string& name) {
    return !name.empty() && !StartsWithWww(name) && !ParseDottedIpv4(name) && name != "localhost";
}
}  // namespace

THostFallback::THostFallback(const std::string& name) {
    FAttempts = {{name, AddressFamily::Ipv4}, {name, AddressFamily::Ipv6}};
    if (MayHideWww(name)) {
        FAttempts.push_back({kWww + name, AddressFamily::Ipv4});
        FAttempts.push_back({kWww + name, AddressFamily::Ipv6});
    }
}

bool THostFallback::Next() {
    if (FCurrent + 1 >= FAttempts.size()) return false;
    ++FCurrent;
    return true;
}
