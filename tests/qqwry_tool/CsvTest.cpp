#include <gtest/gtest.h>

#include "base/Exception.h"
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
