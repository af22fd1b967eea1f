#include "app/DnsMessage.h"

#include <gtest/gtest.h>

#include "tests/app/DnsWire.h"

namespace {
// site.test -> n1.test -> ... -> nN.test, which has 1.2.4.5.
std::string Chain(int links) {
    std::string records = Record(kSite, 5, Name("n1"));
    for (int i = 1; i < links; ++i) records += Record(Name("n" + std::to_string(i)), 5, Name("n" + std::to_string(i + 1)));
    return Response(0x8180, links + 1) + records + Record(Name("n" + std::to_string(links)), 1, kA);
}
}  // namespace

TEST(DnsMessage, QueryIsTheWireQuestion) {
    EXPECT_EQ(BuildDnsQuery("Site.test.", DnsType::Aaaa),
              std::string("\0\0\1\0\0\1\0\0\0\0\0\0\4Site\4test\0\0\x1c\0\1", 27));
    for (const char* name : {"", ".", "a..b", "a b.test", "\xD6\xD0.test"}) EXPECT_EQ(BuildDnsQuery(name, DnsType::A), std::nullopt);
    EXPECT_EQ(BuildDnsQuery(std::string(64, 'a') + ".test", DnsType::A), std::nullopt);
    EXPECT_EQ(BuildDnsQuery(std::string(63, 'a') + ".test", DnsType::A)->size(), 12u + 70 + 4);
}

TEST(DnsMessage, AnswerGivesTheAddressAtTheEndOfTheChain) {
    using enum DnsOutcome;
    const struct {
        const char* name;
        std::string message;
        DnsType type;
        DnsOutcome outcome;
        std::string address;
        std::string canonical;
    } cases[] = {
        {"A", Response(0x8180, 1) + Record("\xC0\x0C", 1, kA), DnsType::A, Address, "1.2.4.5", "site.test"},
        {"chain out of order", Response(0x8180, 3) + Record(Name("n2"), 1, kA) + Record(kSite, 5, Name("n1")) +
         Record(Name("n1"), 5, "\x02n2\xC0\x11"), DnsType::A, Address, "1.2.4.5", "n2.test"},
        {"chain of 8", Chain(8), DnsType::A, Address, "1.2.4.5", "n8.test"},
        {"chain of 9", Chain(9), DnsType::A, Unusable, "", ""},
        {"alias loop", Response(0x8180, 2) + Record(kSite, 5, Name("n1")) + Record(Name("n1"), 5, kSite), DnsType::A,
         Unusable, "", ""},
        {"AAAA", Response(0x8180, 1, 28) + Record(kSite, 28, kAaaa), DnsType::Aaaa, Address, "2001:db8::10", "site.test"},
        {"other type only", Response(0x8180, 1) + Record(kSite, 28, kAaaa), DnsType::A, NoAddress, "", "site.test"},
        {"NXDOMAIN", Response(0x8183, 0), DnsType::A, NoSuchName, "", ""},
        {"SERVFAIL", Response(0x8182, 0), DnsType::A, Unusable, "", ""},
        {"truncated", Response(0x8380, 1) + Record(kSite, 1, kA), DnsType::A, Unusable, "", ""},
        {"another question", Response(0x8180, 1) + Record(kSite, 1, kA), DnsType::Aaaa, Unusable, "", ""},
        {"cut short", (Response(0x8180, 1) + Record(kSite, 1, kA)).substr(0, 40), DnsType::A, Unusable, "", ""},
        {"address of 5 bytes", Response(0x8180, 1) + Record(kSite, 1, kA + "x"), DnsType::A, Unusable, "", ""},
        {"pointer to itself", Response(0x8180, 1) + Record("\xC0\x1B", 1, kA), DnsType::A, Unusable, "", ""},
        {"web page", "<html><body>Proxy error</body></html>", DnsType::A, Unusable, "", ""},
    };
    for (const auto& c : cases) {
        DnsAnswer answer = ParseDnsAnswer(c.message, "SITE.test", c.type);
        EXPECT_EQ(answer.Outcome, c.outcome) << c.name;
        EXPECT_EQ(answer.Address ? FormatIpAddress(*answer.Address) : "", c.address) << c.name;
        EXPECT_EQ(answer.CanonicalName, c.canonical) << c.name;
    }
}
