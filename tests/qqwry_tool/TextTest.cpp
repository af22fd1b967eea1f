#include <gtest/gtest.h>

#include "base/Exception.h"
#include "tests/qqwry_tool/TestFiles.h"
#include "tools/qqwry/GbkEncoding.h"
#include "tools/qqwry/LocationText.h"

TEST(Utf8ToGbk, ChineseAndAsciiConvert) {
    Utf8ToGbk toGbk;
    EXPECT_EQ(toGbk.Convert(Utf8(u8"中国 China")), "中国 China");
    EXPECT_EQ(toGbk.Convert(""), "");
}

TEST(Utf8ToGbk, CharacterGbkCannotHoldIsReplacedAndTheRestKept) {
    Utf8ToGbk toGbk;
    EXPECT_EQ(toGbk.Convert(Utf8(u8"a\U0001F600b中")), "a?b中");
    EXPECT_EQ(toGbk.Convert(Utf8(u8"\u20AC")), "\x80");  // the euro sign of code page 936
    // A surrogate has UTF-8's shape but is no character.
    EXPECT_EQ(toGbk.Convert("x\xED\xA0\x80y"), "x?y");
}

TEST(Utf8ToGbk, TextThatIsNotUtf8IsAnError) {
    Utf8ToGbk toGbk;
    EXPECT_THROW(toGbk.Convert("\xD6\xD0\xB9\xFA"), Exception);  // GBK, not UTF-8
    EXPECT_THROW(toGbk.Convert("ab\xE4\xB8"), Exception);        // cut in the middle
    EXPECT_THROW(toGbk.Convert("x\xC0\x80y"), Exception);        // overlong
    EXPECT_EQ(toGbk.Convert("after"), "after");                   // and the converter goes on
}

TEST(IsWellFormedGbk, LeadBytesNeedASecondByte) {
    EXPECT_TRUE(IsWellFormedGbk("ab\xD6\xD0"));
    EXPECT_TRUE(IsWellFormedGbk("\x81\x40\x81\x7E\xFE\xFE\x80"));
    EXPECT_FALSE(IsWellFormedGbk("ab\xD6"));      // lead byte at the end
    EXPECT_FALSE(IsWellFormedGbk("\xD6\x20x"));   // blank is no second byte
    EXPECT_FALSE(IsWellFormedGbk("\xD6\x7F"));
    EXPECT_FALSE(IsWellFormedGbk("\xFF"));
}

TEST(CleanText, ControlsQuotesAndCommasBecomeOneBlankAndEndsAreTrimmed) {
    EXPECT_EQ(CleanText("  Cloudflare,\tInc.\r\n"), "Cloudflare Inc.");
    EXPECT_EQ(CleanText("\"BeST\" CJSC"), "BeST CJSC");
    EXPECT_EQ(CleanText("a\x7F\x01  ,b"), "a b");
    EXPECT_EQ(CleanText(" ,\" "), "");
}

TEST(CleanText, DoubleByteCharactersWithAsciiLookingSecondBytesStayWhole) {
    // Second bytes 0x40..0x7E look like ASCII ('@', '\\', '|', '~'); the
    // blank between the characters collapses, the characters stay.
    EXPECT_EQ(CleanText("\x81\x40  \x95\x5C\x81\x7C,\x81\x7E"), "\x81\x40 \x95\x5C\x81\x7C \x81\x7E");
}

TEST(CleanCountry, BlanksBecomeIdeographicSpacesSoTheCountryStaysOneField) {
    EXPECT_EQ(CleanCountry(" New  Zealand "), "New\xA1\xA1Zealand");
    EXPECT_EQ(CleanCountry("中国"), "中国");
}

TEST(FitRecordLine, TextsAtTheLimitStayWhole) {
    std::string country = "中国", area(kMaxPlaceTextBytes - country.size(), 'a');
    FitRecordLine(country, area);
    EXPECT_EQ(country, "中国");
    EXPECT_EQ(area.size(), kMaxPlaceTextBytes - 4);
}

TEST(FitRecordLine, LongAreaIsCutWithoutSplittingACharacter) {
    std::string country = "abcd", area;
    for (int i = 0; i < 120; ++i) area += "\x81\x40";  // 240 bytes
    FitRecordLine(country, area);
    EXPECT_EQ(area.size(), kMaxPlaceTextBytes - 5);  // 215 bytes would split a character
    EXPECT_TRUE(IsWellFormedGbk(area));
}

TEST(FitRecordLine, CutAtABlankLeavesNoTrailingBlank) {
    std::string country(kMaxPlaceTextBytes - 4, 'c'), area = "abc def";
    FitRecordLine(country, area);
    EXPECT_EQ(area, "abc");
}

TEST(FitRecordLine, OverlongCountryIsCutAndTakesTheWholeLine) {
    std::string country(300, 'c'), area = "area";
    FitRecordLine(country, area);
    EXPECT_EQ(country.size(), kMaxPlaceTextBytes);
    EXPECT_EQ(area, "");
}
