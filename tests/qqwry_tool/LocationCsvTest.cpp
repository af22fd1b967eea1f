#include <gtest/gtest.h>

#include "base/Exception.h"
#include "tests/qqwry_tool/TestFiles.h"
#include "tools/qqwry/LocationCsv.h"

namespace {

// The message ReadLocationCsv gives for a file of the given lines.
std::string ErrorFor(const std::string& lines, TextEncoding encoding = TextEncoding::Utf8) {
    std::string path = TestFile("bad.csv", lines);
    try {
        ReadLocationCsv(path, encoding);
    } catch (const Exception& e) {
        return e.Message().substr(path.size());
    }
    return "no error";
}

}  // namespace

TEST(ReadLocationCsv, BadLinesAreErrorsNamingTheLine) {
    const std::string good = "1.0.0.0,1.0.0.255,AU,Net\n";
    EXPECT_EQ(ErrorFor(good + "1.0.1.0,1.0.1.255,AU\n"), ":2: expected 4 fields (start,end,country,area), found 3");
    EXPECT_EQ(ErrorFor(good + "\n1.0.1.x,1.0.1.255,AU,Net\n"), ":3: start \"1.0.1.x\" is no IPv4 address");
    EXPECT_EQ(ErrorFor("1.0.1.9,1.0.1.0,AU,Net\n"), ":1: range start 1.0.1.9 after its end 1.0.1.0");
    EXPECT_EQ(ErrorFor("1.0.1.0,1.0.1.9,\" , \",Net\n"), ":1: empty country");
    EXPECT_EQ(ErrorFor("1.0.1.0,1.0.1.9,\"AU,Net\n"), ":1: unclosed double quote");
    EXPECT_EQ(ErrorFor("1.0.1.0,1.0.1.9,AU,\xD6\xD0\n"), ":1: area text is not valid UTF-8");
    EXPECT_EQ(ErrorFor("1.0.1.0,1.0.1.9,\xD6,Net\n", TextEncoding::Gbk), ":1: country text is not well-formed GBK");
}

TEST(ReadLocationCsv, Utf8TextsBecomeCleanGbk) {
    std::string path = TestFile("utf8.csv", Utf8(u8"\uFEFF1.0.0.0,16777471,中国,\"Cloudflare, Inc.\"\r\n"
                                                 u8"\r\n"
                                                 u8"2.0.0.0,2.0.0.9,New Zealand,\"\"\"Best\"\" Net\"\r\n"));
    EXPECT_EQ(ReadLocationCsv(path, TextEncoding::Utf8),
              (std::vector<LocationRange>{{0x01000000, 0x010000FF, "中国", "Cloudflare Inc."},
                                          {0x02000000, 0x02000009, "New\xA1\xA1Zealand", "Best Net"}}));
}

TEST(ReadLocationCsv, GbkTextsAreTakenAsTheyAre) {
    std::string path = TestFile("gbk.csv", "0,9,中国,电信\n");
    EXPECT_EQ(ReadLocationCsv(path, TextEncoding::Gbk), (std::vector<LocationRange>{{0, 9, "中国", "电信"}}));
}

TEST(ReadLocationCsv, MissingFileIsAnError) {
    EXPECT_THROW(ReadLocationCsv(testing::TempDir() + "/no such file.csv", TextEncoding::Utf8), Exception);
}
