#include "app/HostFallback.h"

#include <gtest/gtest.h>

namespace {
struct FallbackCase {
    const char* name;
    std::vector<const char*> names;  // each asked for IPv4, then IPv6
};

std::vector<ResolveAttempt> AllAttempts(const std::string& name) {
    THostFallback fallback(name);
    std::vector<ResolveAttempt> attempts = {fallback.Current()};
    while (fallback.Next()) attempts.push_back(fallback.Current());
    return attempts;
}
}  // namespace

TEST(HostFallback, TriesTheNameThenWwwOnceOverIpv4ThenIpv6) {
    const FallbackCase cases[] = {
        {"example.com", {"example.com", "www.example.com"}},
        {"foobar", {"foobar", "www.foobar"}},
        {"www.example.com", {"www.example.com"}},
        {"WWW.example.com", {"WWW.example.com"}},
        {"wwwexample.com", {"wwwexample.com", "www.wwwexample.com"}},
        {"127.0.0.1", {"127.0.0.1"}},
        {"localhost", {"localhost"}},
        {"xn--fsqu00a.xn--fiqs8s", {"xn--fsqu00a.xn--fiqs8s", "www.xn--fsqu00a.xn--fiqs8s"}},
    };
    for (const FallbackCase& c : cases) {
        std::vector<ResolveAttempt> expected;
        for (const char* name : c.names) {
            expected.push_back({name, AddressFamily::Ipv4});
            expected.push_back({name, AddressFamily::Ipv6});
        }
        EXPECT_EQ(AllAttempts(c.name), expected) << c.name;
    }
}
