#include "app/WatchText.h"

#include <gtest/gtest.h>

TEST(HostOfAddress, TakesTheTextBetweenTheSlashes) {
    EXPECT_EQ(HostOfAddress("http://a.b.c/d/e"), "a.b.c");
    EXPECT_EQ(HostOfAddress("http://a.b.c"), "a.b.c");
    EXPECT_EQ(HostOfAddress("a.b.c/d"), "");
    EXPECT_EQ(HostOfAddress("http://a.b.c:8080/x"), "a.b.c:8080");
    EXPECT_EQ(HostOfAddress("ftp://user@host?q=1"), "user@host?q=1");
    EXPECT_EQ(HostOfAddress(""), "");
}

TEST(TextAfterAndBefore, MissingDelimiterGivesNothingAfterAndEverythingBefore) {
    EXPECT_EQ(TextAfter("//", "abc"), "");
    EXPECT_EQ(TextBefore("/", "abc"), "abc");
    EXPECT_EQ(TextAfter("//", "a//b//c"), "b//c");
    EXPECT_EQ(TextBefore("/", "a/b/c"), "a");
}

TEST(BuildNotice, FourLinesJoinedByCarriageReturns) {
    EXPECT_EQ(BuildNotice("http://x/", "1.2.3.4", "x", "中国北京"),
              "IE地址：http://x/\rIP地址：1.2.3.4\r主机地址：x\r地理位置：中国北京");
}

namespace {
std::string FirstLine(const std::string& notice) { return notice.substr(0, notice.find('\r')); }
}  // namespace

TEST(BuildNotice, LongAddressIsCutAtThirtyBytes) {
    std::string thirty(30, 'a');
    EXPECT_EQ(FirstLine(BuildNotice(thirty, "", "", "")), "IE地址：" + thirty);
    EXPECT_EQ(FirstLine(BuildNotice(thirty + "b", "", "", "")), "IE地址：" + thirty + "...");
    // A double-byte character across the cut is left out whole.
    std::string address = std::string(29, 'a') + "中文";
    EXPECT_EQ(FirstLine(BuildNotice(address, "", "", "")), "IE地址：" + std::string(29, 'a') + "...");
}
