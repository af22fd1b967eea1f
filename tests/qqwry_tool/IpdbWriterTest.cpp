#include <gtest/gtest.h>

#include "tests/qqwry_tool/ReadBack.h"
#include "tests/qqwry_tool/TestFiles.h"
#include "tools/qqwry/IpdbWriter.h"
#include "tools/qqwry/LocationCsv.h"
#include "tools/qqwry/LocationMerge.h"

namespace {

constexpr Ipv6Number kNetwork = Ipv6Number(1) << 64;
constexpr Ipv6Number kLowHalf = kNetwork - 1;

std::string Bytes(std::initializer_list<uint8_t> bytes) { return std::string(bytes.begin(), bytes.end()); }

}  // namespace

TEST(WriteIpdb, HeaderRecordsAndIndexByteForByte) {
    std::string written = WriteIpdb({{0, kLowHalf, "中国", "ab"}, {kNetwork, ~Ipv6Number(0), "ab", "中国"}});
    std::string expected =
        "IPDB" + Bytes({2, 0, 2, 8}) +                              // version 2, 2-byte offsets, 8-byte keys
        Bytes({2, 0, 0, 0, 0, 0, 0, 0, 48, 0, 0, 0, 0, 0, 0, 0}) +  // two entries, the index at 48
        Bytes({2, 0, 0, 0, 0, 0, 0, 0}) +                           // two fields, reserved
        Utf8(u8"中国") + '\0' + "ab" + '\0' +                      // record at 32, texts in UTF-8
        "ab" + '\0' + Bytes({2, 32, 0}) +                           // record at 42: the short text cheaper
                                                                    // repeated, the long one redirected
        Bytes({0, 0, 0, 0, 0, 0, 0, 0, 32, 0}) +                    // index: ::/64
        Bytes({1, 0, 0, 0, 0, 0, 0, 0, 42, 0});                     // 0:0:0:1::/64 on
    EXPECT_EQ(written, expected);
}

TEST(WriteIpdb, OffsetsGrowToReachEveryText) {
    std::string big(70000, 'x');
    std::string written = WriteIpdb({{0, kLowHalf, "A", big}, {kNetwork, ~Ipv6Number(0), "B", big + "y"}});
    EXPECT_EQ(written[6], 3);
}

TEST(WriteIpdb, RangesThatSplitANetworkAreRefused) {
    EXPECT_THROW(WriteIpdb({{0, kLowHalf - 1, "A", ""}}), Exception);
    EXPECT_THROW(WriteIpdb({{1, kLowHalf, "A", ""}}), Exception);
    EXPECT_THROW(WriteIpdb({}), Exception);
}

TEST(WriteIpdb, MergedCsvRangesReadBackThroughTheReader) {
    std::string csv = TestFile("v6.csv", "2001:200::,2001:200:ffff:ffff:ffff:ffff:ffff:ffff,日本,WIDE\n"
                                         "2400::,2400:0:0:ffff:ffff:ffff:ffff:ffff,中国,\n"
                                         "2400:0:1::,2400:0:1:ffff:ffff:ffff:ffff:ffff,中国,电信\n");
    auto ranges = MergeLocations(ReadLocationCsv<Ipv6Number>(csv, TextEncoding::Gbk));
    TIpdb reader(TestFile("v6.dat", WriteIpdb(ranges)));
    ExpectIpdbGivesBack(reader, ranges);
}
