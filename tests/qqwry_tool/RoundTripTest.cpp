// Databases built from small hand-made CSV files, read back with TQQWry.
#include <gtest/gtest.h>

#include "tests/qqwry_tool/Census.h"
#include "tests/qqwry_tool/ReadBack.h"
#include "tests/qqwry_tool/TestFiles.h"
#include "tools/qqwry/LocationCsv.h"
#include "tools/qqwry/LocationMerge.h"
#include "tools/qqwry/LocationText.h"
#include "tools/qqwry/QQWryWriter.h"

namespace {

// What qqwry-from-csv makes of the CSV text: the ranges and the bytes.
struct BuiltDatabase {
    std::vector<LocationRange> ranges;
    std::string bytes;
    std::string path;
};

BuiltDatabase Build(const std::string& name, const std::string& csv, TextEncoding encoding = TextEncoding::Gbk) {
    BuiltDatabase db;
    db.ranges = MergeLocations(ReadLocationCsv(TestFile(name + ".csv", csv), encoding));
    db.bytes = WriteQQWry(db.ranges);
    db.path = TestFile(name + ".dat", db.bytes);
    return db;
}

void ExpectReadsBack(const BuiltDatabase& db) {
    TQQWry reader(db.path);
    ExpectReaderGivesBack(reader, db.ranges);
}

// Items 2 and 3 of the location record, as the program shows them.
std::string Shown(const BuiltDatabase& db, const std::string& address) {
    TQQWry reader(db.path);
    TStringList location;
    reader.FillLocation(location, reader.FindRecordNumber(address));
    return location[2] + location[3];
}

}  // namespace

TEST(RoundTrip, EveryRedirectionPathIsWrittenAndReadsBack) {
    BuiltDatabase db = Build("modes", "1.0.0.0,1.0.0.255,中国,北京电信\n"
                                      "1.0.1.0,1.0.1.255,中国,上海联通\n"
                                      "1.0.2.0,1.0.2.255,中国,北京电信\n"
                                      "1.0.3.0,1.0.3.255,中国,上海联通\n"
                                      "1.0.4.0,1.0.4.255,日本,北京电信\n"
                                      "1.0.5.0,1.0.5.255,日本,上海联通\n");
    RedirectionCensus census(db.bytes);
    ExpectEveryPathUsed(census);
    EXPECT_EQ(census.areaToZero, 0);
    ExpectReadsBack(db);
    EXPECT_EQ(Shown(db, "1.0.3.7"), "中国上海联通");
    EXPECT_EQ(Shown(db, "1.0.4.7"), "日本北京电信");
}

TEST(RoundTrip, GapsAroundAndBetweenRangesReadAsTheNoDataLabel) {
    BuiltDatabase db = Build("gaps", "1.0.0.0,1.0.0.255,中国,电信\n"
                                     "3.0.0.0,3.0.0.9,美国,Level3\n");
    ASSERT_EQ(db.ranges.size(), 5u);
    ExpectReadsBack(db);
    const std::string label = std::string(kNoDataCountry) + kNoDataArea;
    EXPECT_EQ(Shown(db, "0.0.0.0"), label);
    EXPECT_EQ(Shown(db, "0.255.255.255"), label);
    EXPECT_EQ(Shown(db, "1.0.0.0"), "中国电信");
    EXPECT_EQ(Shown(db, "2.0.0.0"), label);
    EXPECT_EQ(Shown(db, "3.0.0.10"), label);
    EXPECT_EQ(Shown(db, "255.255.255.255"), label);
}

TEST(RoundTrip, SingleRangeOverEveryAddressIsOneRecord) {
    BuiltDatabase db = Build("single", "0.0.0.0,255.255.255.255,中国,电信\n");
    ASSERT_EQ(db.ranges.size(), 1u);
    ExpectReadsBack(db);
    EXPECT_EQ(Shown(db, "128.0.0.1"), "中国电信");
}

TEST(RoundTrip, OverlappingUnsortedRangesReadBackAsResolved) {
    BuiltDatabase db = Build("overlap", "9.0.0.0,9.0.0.255,德国,Wide\n"
                                        "1.0.0.0,1.0.0.9,中国,A\n"
                                        "9.0.0.16,9.0.0.31,比利时,Narrow\n");
    ExpectReadsBack(db);
    EXPECT_EQ(Shown(db, "9.0.0.15"), "德国Wide");
    EXPECT_EQ(Shown(db, "9.0.0.16"), "比利时Narrow");
    EXPECT_EQ(Shown(db, "9.0.0.32"), "德国Wide");
}

TEST(RoundTrip, BlanksQuotesAndCommasComeBackAsTheCleanedText) {
    BuiltDatabase db = Build("clean", "1.0.0.0,1.0.0.255,New Zealand,\"Cloudflare,  Inc. \"\"CF\"\"\"\n"
                                      "1.0.1.0,1.0.1.255,中国,\n"
                                      "1.0.2.0,1.0.2.255,中国,\t \n");
    ExpectReadsBack(db);
    EXPECT_EQ(Shown(db, "1.0.0.1"), "New\xA1\xA1ZealandCloudflare Inc. CF");
    EXPECT_EQ(Shown(db, "1.0.1.1"), "中国无");
}

TEST(RoundTrip, TextsAtTheLineLimitReadBackWhole) {
    std::string area = "电信";
    for (int i = 0; i < 70; ++i) area += " \x81\x40";
    area += 'x';  // with the 4 bytes of 中国, 219 bytes: the limit
    ASSERT_EQ(area.size() + 4, kMaxPlaceTextBytes);
    std::string longCountry(kMaxPlaceTextBytes, 'c');
    std::string tooLong(kMaxPlaceTextBytes + 40, 'd');
    BuiltDatabase db = Build("limit", "1.0.0.0,1.0.0.255,中国," + area + "\n" +
                                          "1.0.1.0,1.0.1.255," + longCountry + ",\n" +
                                          "1.0.2.0,1.0.2.255,中国," + tooLong + "\n");
    EXPECT_EQ(db.ranges[1].area, area);
    EXPECT_EQ(db.ranges[2].country, longCountry);
    EXPECT_EQ(db.ranges[3].area.size() + 4, kMaxPlaceTextBytes);
    ExpectReadsBack(db);
}

TEST(RoundTrip, DoubleByteCharactersWithAsciiLookingSecondBytesStayWhole) {
    // Second bytes '@' 0x40, '\\' 0x5C, '`' 0x60, '|' 0x7C, '~' 0x7E, and
    // such characters right before a quote, a comma and the line end.
    BuiltDatabase db = Build("second", "1.0.0.0,1.0.0.255,\x81\x40\x95\x5C,\"\x81\x60 \x81\x7C\"\"\x81\x7E\"\n"
                                       "1.0.1.0,1.0.1.255,\x95\x5C\x81\x7E,\"\x81\x40\x81\x40,\x81\x7E\"\n");
    EXPECT_EQ(db.ranges[1].area, "\x81\x60 \x81\x7C \x81\x7E");
    ExpectReadsBack(db);
}

TEST(RoundTrip, Utf8InputReadsBackInGbk) {
    BuiltDatabase db = Build("utf8", Utf8(u8"1.0.0.0,1.0.0.255,中国,北京 电信\u00A0\U0001F600\n"), TextEncoding::Utf8);
    ExpectReadsBack(db);
    EXPECT_EQ(Shown(db, "1.0.0.0"), "中国北京 电信 ?");
}

TEST(RoundTripRealSubset, EveryRangeOfRealDataReadsBack) {
    std::string csv = ReadFileBytes(QUORVIK_TEST_DATA "/real-ranges.csv");
    ASSERT_FALSE(csv.empty());
    BuiltDatabase db = Build("real", csv, TextEncoding::Utf8);
    RedirectionCensus census(db.bytes);
    ExpectEveryPathUsed(census);
    ExpectReadsBack(db);
    EXPECT_EQ(Shown(db, "1.0.0.1"), "澳大利亚Cloudflare Inc.");
    EXPECT_EQ(Shown(db, "1.0.1.1"), "中国未知运营商");
    // A soft hyphen, which GBK lacks, in the middle of an operator's name.
    std::string replaced = Shown(db, "45.232.87.1");
    EXPECT_TRUE(replaced.starts_with("巴西WANTEL TECNOLOGIA LTDA. ")) << replaced;
    EXPECT_TRUE(replaced.ends_with(" EPP")) << replaced;
}
