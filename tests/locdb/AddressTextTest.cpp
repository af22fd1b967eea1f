#include "locdb/AddressText.h"

#include <gtest/gtest.h>

namespace {

struct ShortForm {
    const char* typed;
    const char* shown;
};

// Every text form, and what RFC 5952 makes of it.
const ShortForm kShortForms[] = {
    {"2001:0db8:0000:0000:0000:0000:0000:0001", "2001:db8::1"},
    {"2001:DB8::1", "2001:db8::1"},
    {"::", "::"},
    {"::1", "::1"},
    {"1::", "1::"},
    {"2001:db8:0:0:1:0:0:1", "2001:db8::1:0:0:1"},      // of equal runs the first
    {"2001:0:0:1:0:0:0:1", "2001:0:0:1::1"},            // the longest run
    {"2001:db8:0:1:1:1:1:1", "2001:db8:0:1:1:1:1:1"},   // a single zero group stays
    {"1:2:3:4:5:6:7::", "1:2:3:4:5:6:7:0"},             // "::" for one group
    {"::2:3:4:5:6:7:8", "0:2:3:4:5:6:7:8"},
    {"::ffff:1.2.3.4", "::ffff:1.2.3.4"},
    {"::FFFF:0102:0304", "::ffff:1.2.3.4"},
    {"64:ff9b::192.0.2.33", "64:ff9b::c000:221"},
    {"1:2:3:4:5:6:1.2.3.4", "1:2:3:4:5:6:102:304"},
    {"fe80::1%eth0", "fe80::1"},
    {"FFFF:FFFF:FFFF:FFFF:FFFF:FFFF:FFFF:FFFF", "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff"},
};

}  // namespace

TEST(ParseIpv6, EveryTextFormGivesItsShortForm) {
    for (const ShortForm& form : kShortForms) {
        auto address = ParseIpv6(form.typed);
        ASSERT_TRUE(address) << form.typed;
        EXPECT_EQ(FormatIpv6(*address), form.shown) << form.typed;
    }
}

TEST(ParseIpv6, HalvesHoldTheGroupsMostSignificantFirst) {
    EXPECT_EQ(ParseIpv6("2001:db8::1"), (Ipv6Address{0x20010DB800000000, 1}));
    EXPECT_EQ(ParseIpv6("::ffff:1.2.3.4"), (Ipv6Address{0, 0x0000FFFF01020304}));
    EXPECT_EQ(ParseIpv6("1:2:3:4:5:6:7:8"), (Ipv6Address{0x0001000200030004, 0x0005000600070008}));
}

TEST(ParseIpv6, MalformedTextIsNoAddress) {
    for (const char* text : {"", ":", ":::", "1::2::3", "1:2:3:4:5:6:7", "1:2:3:4:5:6:7:8:9", "1:2:3:4:5:6:7:8::",
                             "12345::", "g::", ":1::", "1::2:", "::1.2.3", "::1.2.3.256", "::1.2.3.4:5",
                             "1.2.3.4", "1.2.3.4::", "1:2:3:4:5:6:7:1.2.3.4", "fe80::1%", " ::1", "::1 ", "[::1]"})
        EXPECT_EQ(ParseIpv6(text), std::nullopt) << '"' << text << '"';
}

TEST(MappedIpv4, OnlyTheMappedBlockHoldsAnIpv4Host) {
    EXPECT_EQ(MappedIpv4(*ParseIpv6("::ffff:1.2.3.4")), 0x01020304u);
    for (const char* text : {"::1.2.3.4", "::fffe:1.2.3.4", "1::ffff:1.2.3.4", "64:ff9b::1.2.3.4"})
        EXPECT_EQ(MappedIpv4(*ParseIpv6(text)), std::nullopt) << text;
}

TEST(ParseDottedIpv4, FourNumbersOfUpToThreeDigits) {
    EXPECT_EQ(ParseDottedIpv4("1.2.3.4"), 0x01020304u);
    EXPECT_EQ(ParseDottedIpv4("255.255.255.255"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseDottedIpv4("001.002.003.004"), 0x01020304u);
    for (const char* text : {"0001.2.3.4", "1.2.3", "1.2.3.4.", "256.0.0.0", "1.2.3.4 ", "-1.2.3.4", "1.2.3.x"})
        EXPECT_EQ(ParseDottedIpv4(text), std::nullopt) << text;
    EXPECT_EQ(FormatDottedIpv4(0xC0A80101), "192.168.1.1");
}
