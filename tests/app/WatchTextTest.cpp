#include "app/WatchText.h"

#include <gtest/gtest.h>

TEST(BuildNotice, FourLinesJoinedByCarriageReturns) {
    EXPECT_EQ(BuildNotice(AddressOrigin::InternetExplorerOrTyped, "http://x/", "1.2.3.4", "x", "中国北京"),
              "IE地址：http://x/\rIP地址：1.2.3.4\r主机地址：x\r地理位置：中国北京");
    EXPECT_EQ(BuildNotice(AddressOrigin::OtherBrowser, "x/", "1.2.3.4", "x", "中国北京"),
              "网址：x/\rIP地址：1.2.3.4\r主机地址：x\r地理位置：中国北京");
}

namespace {
std::string FirstLine(const std::string& address) {
    std::string notice = BuildNotice(AddressOrigin::InternetExplorerOrTyped, address, "", "", "");
    return notice.substr(0, notice.find('\r'));
}
}  // namespace

TEST(BuildNotice, LongAddressIsCutAtThirtyBytes) {
    std::string thirty(30, 'a');
    EXPECT_EQ(FirstLine(thirty), "IE地址：" + thirty);
    EXPECT_EQ(FirstLine(thirty + "b"), "IE地址：" + thirty + "...");
    // A double-byte character across the cut is left out whole.
    std::string address = std::string(29, 'a') + "中文";
    EXPECT_EQ(FirstLine(address), "IE地址：" + std::string(29, 'a') + "...");
}
