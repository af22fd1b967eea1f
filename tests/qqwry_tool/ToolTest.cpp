// The command-line tools as build-db.sh runs them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <sys/wait.h>

#include "tests/qqwry_tool/TestFiles.h"

namespace {

// Runs the tool with the arguments; gives its exit status and what it
// wrote to its error output.
int RunTool(const std::string& tool, const std::vector<std::string>& arguments, std::string* errors = nullptr) {
    std::string errorFile = TestFile("stderr.txt", "");
    std::string command = "'" + tool + "'";
    for (const std::string& argument : arguments) command += " '" + argument + "'";
    int status = std::system((command + " >/dev/null 2>'" + errorFile + "'").c_str());
    if (errors) *errors = ReadFileBytes(errorFile);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(QQWryFromCsv, WritesTheDatabaseAndTheMergedRanges) {
    std::string input = TestFile("in.csv", Utf8(u8"1.0.0.0,1.0.0.255,中国,\"电信, 北京\"\n"));
    std::string dat = TestFile("out.dat", ""), csv = TestFile("out.csv", "");
    ASSERT_EQ(RunTool(QQWRY_FROM_CSV, {input, dat, csv}), 0);
    EXPECT_EQ(ReadFileBytes(csv), "0.0.0.0,0.255.255.255,纯真网络,暂无数据\n"
                                  "1.0.0.0,1.0.0.255,中国,电信 北京\n"
                                  "1.0.1.0,255.255.255.255,纯真网络,暂无数据\n");
    EXPECT_GT(std::filesystem::file_size(dat), 8u);
}

TEST(QQWryFromCsv, BadInputNamesItsLineAndLeavesEarlierOutputAlone) {
    std::string input = TestFile("bad-in.csv", "1.0.0.0,1.0.0.255,AU,x\n1.0.1.0,1.0.1.255,AU\n");
    std::string dat = TestFile("kept.dat", "old"), csv = TestFile("kept.csv", "old");
    std::string errors;
    EXPECT_EQ(RunTool(QQWRY_FROM_CSV, {input, dat, csv}, &errors), 1);
    EXPECT_NE(errors.find("bad-in.csv:2: expected 4 fields"), std::string::npos) << errors;
    EXPECT_EQ(ReadFileBytes(dat), "old");
    EXPECT_EQ(ReadFileBytes(csv), "old");
    EXPECT_FALSE(std::filesystem::exists(dat + ".part"));
}

TEST(QQWryFromCsv, Ipv6RangesBecomeAnIpdbFileOfWholeNetworks) {
    std::string input = TestFile("in6.csv", Utf8(u8"2001:db8::,2001:db8:0:ffff:ffff:ffff:ffff:ffff,文档,示例\n"));
    std::string dat = TestFile("out6.dat", ""), csv = TestFile("out6.csv", "");
    ASSERT_EQ(RunTool(QQWRY_FROM_CSV, {"--ipv6", input, dat, csv}), 0);
    EXPECT_EQ(ReadFileBytes(csv), "::,2001:db7:ffff:ffff:ffff:ffff:ffff:ffff,纯真网络,暂无数据\n"
                                  "2001:db8::,2001:db8:0:ffff:ffff:ffff:ffff:ffff,文档,示例\n"
                                  "2001:db8:1::,ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff,纯真网络,暂无数据\n");
    EXPECT_EQ(ReadFileBytes(dat).substr(0, 4), "IPDB");
    std::string split = TestFile("split6.csv", "2001:db8::1,2001:db8::ff,A,B\n"), errors;
    EXPECT_EQ(RunTool(QQWRY_FROM_CSV, {"--ipv6", split, dat, csv}, &errors), 1);
    EXPECT_NE(errors.find("whole /64"), std::string::npos) << errors;
}

TEST(QQWryFromCsv, WrongArgumentsShowTheUsage) {
    std::string errors;
    EXPECT_EQ(RunTool(QQWRY_FROM_CSV, {"only-one"}, &errors), 2);
    EXPECT_NE(errors.find("usage:"), std::string::npos);
}

TEST(MergeIpData, CountryNamesOperatorsAndTheirFallbacks) {
    std::string countries = TestFile("countries.csv", "16777216,16777471,CN\n16777472,16777727,ZZ\n");
    std::string operators = TestFile("operators.csv", "16777216,16777279,13335,\"Cloudflare, Inc.\"\n"
                                                      "16777280,16777343,64512,\n"
                                                      "16777600,16777800,7,Far\n");
    std::string names = TestFile("names.csv", Utf8(u8"CN,中国\n"));
    std::string special = TestFile("special.csv", "");
    std::string out = TestFile("merged.csv", "");
    ASSERT_EQ(RunTool(MERGE_IP_DATA, {countries, operators, names, special, out}), 0);
    EXPECT_EQ(ReadFileBytes(out), "1.0.0.0,1.0.0.63,中国,\"Cloudflare, Inc.\"\n"
                                  "1.0.0.64,1.0.0.127,中国,AS64512\n"
                                  "1.0.0.128,1.0.0.255,中国,未知运营商\n"
                                  "1.0.1.0,1.0.1.127,ZZ,未知运营商\n"
                                  "1.0.1.128,1.0.1.255,ZZ,Far\n");
}

TEST(MergeIpData, SpecialBlocksPaintOverTheData) {
    std::string countries = TestFile("countries.csv", "16777216,16777471,CN\n");
    std::string special = TestFile("special.csv", Utf8(u8"1.0.0.128/25,Private-Use,局域网,私有地址\n"));
    std::string empty = TestFile("empty.csv", ""), out = TestFile("merged.csv", "");
    ASSERT_EQ(RunTool(MERGE_IP_DATA, {countries, empty, empty, special, out}), 0);
    EXPECT_EQ(ReadFileBytes(out), "1.0.0.0,1.0.0.127,CN,未知运营商\n"
                                  "1.0.0.128,1.0.0.255,局域网,私有地址\n");
}

// A /64 takes the range at its first address, unless a special block in it
// names it.
TEST(MergeIpData, Ipv6RangesAreFoldedToWholeNetworks) {
    std::string countries = TestFile("countries6.csv", "0,18446744073709551615,ZZ\n"
                                                       "2001:200::,2001:200:0:1:ffff:ffff:ffff:ffff,JP\n"
                                                       "2001:200:0:2::8,2001:200:0:3::ff,JP\n");
    std::string operators = TestFile("operators6.csv", "2001:200::,2001:200:0:ffff:ffff:ffff:ffff:ffff,2500,WIDE\n");
    std::string special = TestFile("special6.csv", Utf8(u8"::1/128,Loopback Address,本机,回环地址\n"));
    std::string empty = TestFile("empty.csv", ""), out = TestFile("merged6.csv", "");
    ASSERT_EQ(RunTool(MERGE_IP_DATA, {"--ipv6", countries, operators, empty, special, out}), 0);
    EXPECT_EQ(ReadFileBytes(out), "::,::ffff:ffff:ffff:ffff,本机,回环地址\n"
                                  "2001:200::,2001:200:0:1:ffff:ffff:ffff:ffff,JP,WIDE\n"
                                  "2001:200:0:3::,2001:200:0:3:ffff:ffff:ffff:ffff,JP,WIDE\n");
}

TEST(MergeIpData, ReversedRangeIsAnErrorNamingItsLine) {
    std::string countries = TestFile("reversed.csv", "16777216,16777471,CN\n16777727,16777472,CN\n");
    std::string empty = TestFile("empty.csv", "");
    std::string errors;
    EXPECT_EQ(RunTool(MERGE_IP_DATA, {countries, empty, empty, empty, testing::TempDir() + "/never.csv"}, &errors), 1);
    EXPECT_NE(errors.find("reversed.csv:2: range start"), std::string::npos) << errors;
    EXPECT_FALSE(std::filesystem::exists(testing::TempDir() + "/never.csv"));
}
