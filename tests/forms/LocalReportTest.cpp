#include "forms/LocalReport.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

const std::string kSeparator(41, '-');

TEST(AddressReportLines, EachAddressGetsALineThenTheCountAndTheSeparator) {
    EXPECT_EQ(AddressReportLines(Lines{"192.168.1.5", "10.0.0.7"}),
              (Lines{"本机IP:192.168.1.5", "本机IP:10.0.0.7", "本机共有2个IP", kSeparator}));
}

TEST(AddressReportLines, RecordWithoutAddressesCountsZero) {
    EXPECT_EQ(AddressReportLines(Lines{}), (Lines{"本机共有0个IP", kSeparator}));
}

TEST(AddressReportLines, NoRecordSaysSoInsteadOfAddresses) {
    EXPECT_EQ(AddressReportLines(std::nullopt), (Lines{"未找到本机的IP地址", kSeparator}));
}
