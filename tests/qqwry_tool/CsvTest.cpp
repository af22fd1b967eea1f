#include <gtest/gtest.h>

#include "base/Exception.h"
#include "tests/qqwry_tool/TestFiles.h"
#include "tools/dbdata/SpecialBlocks.h"
#include "tools/qqwry/Address.h"
#include "tools/qqwry/CsvLine.h"

using Fields = std::vector<std::string>;

TEST(SplitCsvLine, QuotedFieldsKeepCommasAndDoubledQuotes) {
    EXPECT_EQ(SplitCsvLine(R"(1,2,"Cloudflare, Inc.","TOV ""KS PLUS""")"),
              (Fields{"1", "2", "Cloudflare, Inc.", R"(TOV "KS PLUS")"}));
}

TEST(SplitCsvLine, EveryCommaStartsAFieldEvenAnEmptyOne) {
    EXPECT_EQ(SplitCsvLine("a,,b,"), (Fields{"a", "", "b", ""}));
    EXPECT_EQ(SplitCsvLine(""), (Fields{""}));
    EXPECT_EQ(SplitCsvLine(R"("",x)"), (Fields{"", "x"}));
}

TEST(SplitCsvLine, BrokenQuotingIsAnError) {
    EXPECT_THROW(SplitCsvLine(R"(1,2,"open)"), Exception);
    EXPECT_THROW(SplitCsvLine(R"(1,2,"closed"behind,x)"), Exception);
}

TEST(QuoteCsvField, FieldsReadBackUnchanged) {
    Fields fields{"plain", "a,b", R"(say "hi")", "", "\xD6\xD0\xB9\xFA", "\x81\x40\x95\x5C"};
    std::string line;
    for (const std::string& field : fields) {
        if (!line.empty()) line += ',';
        line += QuoteCsvField(field);
    }
    EXPECT_EQ(SplitCsvLine(line), fields);
}

TEST(ParseAddress, DottedAndDecimalFormsGiveTheSameNumber) {
    EXPECT_EQ(ParseAddress("1.2.3.4"), 0x01020304u);
    EXPECT_EQ(ParseAddress("16909060"), 0x01020304u);
    EXPECT_EQ(ParseAddress("0.0.0.0"), 0u);
    EXPECT_EQ(ParseAddress("255.255.255.255"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseAddress("4294967295"), 0xFFFFFFFFu);
    EXPECT_EQ(FormatAddress(0x01020304), "1.2.3.4");
    EXPECT_EQ(FormatAddress(0xFFFFFFFF), "255.255.255.255");
}

TEST(ParseAddress, MalformedTextIsNoAddress) {
    for (const char* text : {"", "1.2.3", "1.2.3.4.5", "1.2.3.256", "1..3.4", "1.2.3.", "-1", "+1",
                             "4294967296", "0x10", "1.2.3.4 ", "a.b.c.d", "1.2.3.-4"})
        EXPECT_EQ(ParseAddress(text), std::nullopt) << text;
}

TEST(ParseRangeFields, BlanksAroundAddressesAreAllowedReversedRangesAreNot) {
    AddressRange range = ParseRangeFields({" 1.0.0.0", "1.0.0.255 "});
    EXPECT_EQ(range.start, 0x01000000u);
    EXPECT_EQ(range.end, 0x010000FFu);
    EXPECT_NO_THROW(ParseRangeFields({"7", "7"}));
    EXPECT_THROW(ParseRangeFields({"1.0.0.1", "1.0.0.0"}), Exception);
    EXPECT_THROW(ParseRangeFields({"1.0.0.0", "x"}), Exception);
    EXPECT_THROW(ParseRangeFields({"1.0.0.0"}), Exception);
}

TEST(ReadSpecialBlocks, PrefixesOfTheAskedFamilyInTheTablesOrder) {
    std::string path = TestFile("special.csv", "10.0.0.0/8,Private-Use,LAN,private\n"
                                               "::1/128,Loopback,host,loopback\n"
                                               "0.0.0.0/0,All,any,where\n"
                                               "fe80::/10,Link-Local Unicast,LAN,link\n");
    auto ipv4 = ReadSpecialBlocks<uint32_t>(path);
    ASSERT_EQ(ipv4.size(), 2u);
    EXPECT_EQ(ipv4[0].start, 0x0A000000u);
    EXPECT_EQ(ipv4[0].end, 0x0AFFFFFFu);
    EXPECT_EQ(ipv4[1].end, UINT32_MAX);
    auto ipv6 = ReadSpecialBlocks<Ipv6Number>(path);
    ASSERT_EQ(ipv6.size(), 2u);
    EXPECT_TRUE(ipv6[0].start == 1 && ipv6[0].end == 1);
    EXPECT_EQ(ipv6[1].country + ipv6[1].area, "LANlink");
    EXPECT_TRUE(ipv6[1].end == (Ipv6Number(0xFEBFFFFFFFFFFFFF) << 64 | ~uint64_t(0)));
}

TEST(ReadSpecialBlocks, MalformedRowsAreErrorsNamingTheLine) {
    for (const char* row : {"10.0.0.1/8,n,c,a", "10.0.0.0/33,n,c,a", "10.0.0.0,n,c,a", "10.0.0.0/8x,n,c,a",
                            "10.0.0.0/8,,c,a", "10.0.0.0/8,n,c", "fe80::/129,n,c,a"}) {
        std::string path = TestFile("bad-special.csv", std::string("1.0.0.0/8,n,c,a\n") + row + "\n");
        try {
            ReadSpecialBlocks<uint32_t>(path);
            ReadSpecialBlocks<Ipv6Number>(path);
            ADD_FAILURE() << "no error: " << row;
        } catch (const Exception& e) {
            EXPECT_NE(e.Message().find("bad-special.csv:2: "), std::string::npos) << e.Message();
        }
    }
}
