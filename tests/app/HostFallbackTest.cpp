#include "app/HostFallback.h"

#include <gtest/gtest.h>

TEST(HostFallback, TriesTheNameThenWwwOnceOverIpv4ThenIpv6) {
    const struct {
        const char* name;
        std::vector<const char*> tried;  // each over IPv4, then IPv6
    } cases[] = {{"example.com", {"example.com", "www.example.com"}}, {"WWW.example.com", {"WWW.example.com"}},
                 {"127.0.0.1", {"127.0.0.1"}}, {"localhost", {"localhost"}}};
    for (const auto& c : cases) {
        std::vector<ResolveAttempt> expected, tried;
        for (const char* name : c.tried)
            expected.insert(expected.end(), {{name, AddressFamily::Ipv4}, {name, AddressFamily::Ipv6}});
        THostFallback fallback(c.name);
        do tried.push_back(fallback.Current());
        while (fallback.Next());
        EXPECT_EQ(tried, expected) << c.name;
    }
}
