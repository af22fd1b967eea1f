#include <gtest/gtest.h>

#include "tools/dbdata/OperatorSplit.h"
#include "tools/qqwry/LocationMerge.h"
#include "tools/qqwry/RangeMap.h"

using Ranges = std::vector<ValueRange>;

TEST(ResolveOverlaps, NarrowerRangeHoldsInsideTheWiderOne) {
    EXPECT_EQ(ResolveOverlaps({{100, 199, 1}, {120, 129, 2}}),
              (Ranges{{100, 119, 1}, {120, 129, 2}, {130, 199, 1}}));
    // The same when the narrow range comes first.
    EXPECT_EQ(ResolveOverlaps({{120, 129, 2}, {100, 199, 1}}),
              (Ranges{{100, 119, 1}, {120, 129, 2}, {130, 199, 1}}));
}

TEST(ResolveOverlaps, PartialOverlapGoesToTheNarrowerRange) {
    EXPECT_EQ(ResolveOverlaps({{0, 99, 1}, {90, 109, 2}}), (Ranges{{0, 89, 1}, {90, 109, 2}}));
}

TEST(ResolveOverlaps, BetweenEquallyWideRangesTheLaterHolds) {
    EXPECT_EQ(ResolveOverlaps({{10, 19, 1}, {10, 19, 2}}), (Ranges{{10, 19, 2}}));
    EXPECT_EQ(ResolveOverlaps({{10, 19, 1}, {15, 24, 2}}), (Ranges{{10, 14, 1}, {15, 24, 2}}));
}

TEST(ResolveOverlaps, UnsortedRangesComeOutSortedNeighboursJoinedGapsLeft) {
    EXPECT_EQ(ResolveOverlaps({{50, 59, 1}, {0, 9, 1}, {10, 19, 1}, {30, 39, 2}}),
              (Ranges{{0, 19, 1}, {30, 39, 2}, {50, 59, 1}}));
}

TEST(ResolveOverlaps, WholeAddressSpaceAndItsLastAddress) {
    EXPECT_EQ(ResolveOverlaps({{0, UINT32_MAX, 1}, {UINT32_MAX, UINT32_MAX, 2}}),
              (Ranges{{0, UINT32_MAX - 1, 1}, {UINT32_MAX, UINT32_MAX, 2}}));
}

using Locations = std::vector<LocationRange>;

TEST(MergeLocations, GapsBeforeBetweenAndAfterGetTheNoDataLabel) {
    EXPECT_EQ(MergeLocations({{30, 39, "b", "x"}, {10, 19, "a", ""}}),
              (Locations{{0, 9, kNoDataCountry, kNoDataArea},
                         {10, 19, "a", ""},
                         {20, 29, kNoDataCountry, kNoDataArea},
                         {30, 39, "b", "x"},
                         {40, UINT32_MAX, kNoDataCountry, kNoDataArea}}));
}

TEST(MergeLocations, NoRangesGiveOneLabelForEveryAddress) {
    EXPECT_EQ(MergeLocations({}), (Locations{{0, UINT32_MAX, kNoDataCountry, kNoDataArea}}));
}

TEST(MergeLocations, NeighboursWithTheSameTextsBecomeOneRange) {
    EXPECT_EQ(MergeLocations({{0, 9, "a", "x"}, {10, 19, "a", "x"}, {20, UINT32_MAX, "a", "y"}}),
              (Locations{{0, 19, "a", "x"}, {20, UINT32_MAX, "a", "y"}}));
}

using Pieces = std::vector<CountryOperatorRange>;

TEST(SplitByOperator, CountryRangeSplitsWhereOperatorsChange) {
    EXPECT_EQ(SplitByOperator({{100, 199, 7}}, {{90, 119, 1}, {140, 149, 2}, {150, 159, 3}}),
              (Pieces{{100, 119, 7, 1},
                      {120, 139, 7, std::nullopt},
                      {140, 149, 7, 2},
                      {150, 159, 7, 3},
                      {160, 199, 7, std::nullopt}}));
}

TEST(SplitByOperator, OperatorAcrossCountriesIsSharedAndOperatorWithoutCountryLeftOut) {
    EXPECT_EQ(SplitByOperator({{10, 19, 1}, {20, 29, 2}, {50, 59, 3}}, {{0, 24, 9}, {30, 49, 8}}),
              (Pieces{{10, 19, 1, 9}, {20, 24, 2, 9}, {25, 29, 2, std::nullopt}, {50, 59, 3, std::nullopt}}));
}

TEST(SplitByOperator, LastAddressEndsTheSplit) {
    EXPECT_EQ(SplitByOperator({{0, UINT32_MAX, 1}}, {{UINT32_MAX - 1, UINT32_MAX, 5}}),
              (Pieces{{0, UINT32_MAX - 2, 1, std::nullopt}, {UINT32_MAX - 1, UINT32_MAX, 1, 5}}));
}
