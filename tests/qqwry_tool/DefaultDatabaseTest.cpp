// The default database that build-db.sh wrote, checked against the CSV of
// ranges written with it. Skipped where no default database was built.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/qqwry_tool/Census.h"
#include "tests/qqwry_tool/ReadBack.h"
#include "tests/qqwry_tool/TestFiles.h"
#include "tools/qqwry/CsvFile.h"

namespace {

const std::string kDatabase = QUORVIK_DEFAULT_DB;
const std::string kRanges = QUORVIK_DEFAULT_RANGES;

std::vector<LocationRange> ReadRanges() {
    std::vector<LocationRange> ranges;
    ForEachCsvLine(kRanges, [&](const std::vector<std::string>& fields) {
        AddressRange range = ParseRangeFields(fields);
        ranges.push_back({range.start, range.end, fields.at(2), fields.at(3)});
    });
    return ranges;
}

class DefaultDatabase : public testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(kDatabase) || !std::filesystem::exists(kRanges))
            GTEST_SKIP() << "no default database at " << kDatabase;
        FRanges = ReadRanges();
    }

    std::vector<LocationRange> FRanges;
};

}  // namespace

TEST_F(DefaultDatabase, RangesCoverEveryAddressOnce) {
    ASSERT_FALSE(FRanges.empty());
    EXPECT_EQ(FRanges.front().start, 0u);
    EXPECT_EQ(FRanges.back().end, UINT32_MAX);
    for (size_t i = 1; i < FRanges.size(); ++i)
        ASSERT_EQ(FRanges[i].start, FRanges[i - 1].end + 1) << "range " << i + 1;
}

TEST_F(DefaultDatabase, ReaderGivesBackEveryRangeTheToolWrote) {
    TQQWry reader(kDatabase);
    ExpectReaderGivesBack(reader, FRanges);
}

TEST_F(DefaultDatabase, EveryRedirectionPathIsUsed) {
    RedirectionCensus census(ReadFileBytes(kDatabase));
    ExpectEveryPathUsed(census);
}
