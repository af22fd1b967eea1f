#include <gtest/gtest.h>

#include "tools/dbdata/NetworkFold.h"
#include "tools/dbdata/OperatorSplit.h"
#include "tools/qqwry/LocationMerge.h"
#include "tools/qqwry/RangeMap.h"

using Ranges = std::vector<ValueRange>;

TEST(ResolveOverlaps, NarrowerRangeHoldsInsideTheWiderOne) {
    EXPECT_EQ(ResolveOverlaps(Ranges{{100, 199, 1}, {120, 129, 2}}),
              (Ranges{{100, 119, 1}, {120, 129, 2}, {130, 199, 1}}));
    // The same when the narrow range comes first.
    EXPECT_EQ(ResolveOverlaps(Ranges{{120, 129, 2}, {100, 199, 1}}),
              (Ranges{{100, 119, 1}, {120, 129, 2}, {130, 199, 1}}));
}

TEST(ResolveOverlaps, PartialOverlapGoesToTheNarrowerRange) {
    EXPECT_EQ(ResolveOverlaps(Ranges{{0, 99, 1}, {90, 109, 2}}), (Ranges{{0, 89, 1}, {90, 109, 2}}));
}

TEST(ResolveOverlaps, BetweenEquallyWideRangesTheLaterHolds) {
    EXPECT_EQ(ResolveOverlaps(Ranges{{10, 19, 1}, {10, 19, 2}}), (Ranges{{10, 19, 2}}));
    EXPECT_EQ(ResolveOverlaps(Ranges{{10, 19, 1}, {15, 24, 2}}), (Ranges{{10, 14, 1}, {15, 24, 2}}));
}

TEST(ResolveOverlaps, UnsortedRangesComeOutSortedNeighboursJoinedGapsLeft) {
    EXPECT_EQ(ResolveOverlaps(Ranges{{50, 59, 1}, {0, 9, 1}, {10, 19, 1}, {30, 39, 2}}),
              (Ranges{{0, 19, 1}, {30, 39, 2}, {50, 59, 1}}));
}

TEST(ResolveOverlaps, WholeAddressSpaceAndItsLastAddress) {
    EXPECT_EQ(ResolveOverlaps(Ranges{{0, UINT32_MAX, 1}, {UINT32_MAX, UINT32_MAX, 2}}),
              (Ranges{{0, UINT32_MAX - 1, 1}, {UINT32_MAX, UINT32_MAX, 2}}));
}

using Locations = std::vector<LocationRange>;

TEST(MergeLocations, GapsBeforeBetweenAndAfterGetTheNoDataLabel) {
    EXPECT_EQ(MergeLocations(Locations{{30, 39, "b", "x"}, {10, 19, "a", ""}}),
              (Locations{{0, 9, kNoDataCountry, kNoDataArea},
                         {10, 19, "a", ""},
                         {20, 29, kNoDataCountry, kNoDataArea},
                         {30, 39, "b", "x"},
                         {40, UINT32_MAX, kNoDataCountry, kNoDataArea}}));
}

TEST(MergeLocations, NoRangesGiveOneLabelForEveryAddress) {
    EXPECT_EQ(MergeLocations(Locations{}), (Locations{{0, UINT32_MAX, kNoDataCountry, kNoDataArea}}));
}

TEST(MergeLocations, NeighboursWithTheSameTextsBecomeOneRange) {
    EXPECT_EQ(MergeLocations(Locations{{0, 9, "a", "x"}, {10, 19, "a", "x"}, {20, UINT32_MAX, "a", "y"}}),
              (Locations{{0, 19, "a", "x"}, {20, UINT32_MAX, "a", "y"}}));
}

using Pieces = std::vector<CountryOperatorRange<uint32_t>>;

TEST(SplitByOperator, CountryRangeSplitsWhereOperatorsChange) {
    EXPECT_EQ(SplitByOperator(Ranges{{100, 199, 7}}, Ranges{{90, 119, 1}, {140, 149, 2}, {150, 159, 3}}),
              (Pieces{{100, 119, 7, 1},
                      {120, 139, 7, std::nullopt},
                      {140, 149, 7, 2},
                      {150, 159, 7, 3},
                      {160, 199, 7, std::nullopt}}));
}

TEST(SplitByOperator, OperatorAcrossCountriesIsSharedAndOperatorWithoutCountryLeftOut) {
    EXPECT_EQ(SplitByOperator(Ranges{{10, 19, 1}, {20, 29, 2}, {50, 59, 3}}, Ranges{{0, 24, 9}, {30, 49, 8}}),
              (Pieces{{10, 19, 1, 9}, {20, 24, 2, 9}, {25, 29, 2, std::nullopt}, {50, 59, 3, std::nullopt}}));
}

TEST(SplitByOperator, LastAddressEndsTheSplit) {
    EXPECT_EQ(SplitByOperator(Ranges{{0, UINT32_MAX, 1}}, Ranges{{UINT32_MAX - 1, UINT32_MAX, 5}}),
              (Pieces{{0, UINT32_MAX - 2, 1, std::nullopt}, {UINT32_MAX - 1, UINT32_MAX, 1, 5}}));
}

namespace {

constexpr Ipv6Number kLast6 = ~Ipv6Number(0);

// The /64 networks first..last, whole.
ValueRange6 Networks(uint64_t first, uint64_t last, uint32_t value) {
    return {Ipv6Number(first) << 64, Ipv6Number(last) << 64 | ~uint64_t(0), value};
}

Ipv6Number At(uint64_t network, uint64_t host) { return Ipv6Number(network) << 64 | host; }

}  // namespace

TEST(RangesOfIpv6, TheLastAddressEndsOverlapsAndSplits) {
    EXPECT_EQ(ResolveOverlaps(std::vector<ValueRange6>{{0, kLast6, 1}, {kLast6, kLast6, 2}}),
              (std::vector<ValueRange6>{{0, kLast6 - 1, 1}, {kLast6, kLast6, 2}}));
    EXPECT_EQ(SplitByOperator(std::vector<ValueRange6>{{0, kLast6, 1}}, std::vector<ValueRange6>{{5, kLast6, 7}}),
              (std::vector<CountryOperatorRange<Ipv6Number>>{{0, 4, 1, std::nullopt}, {5, kLast6, 1, 7}}));
}

TEST(FoldToNetworks, ANetworkTakesTheRangeThatCoversItsFirstAddress) {
    struct Case {
        std::vector<ValueRange6> ranges;
        std::vector<ValueRange6> networks;
        size_t folded;
    } cases[] = {
        // Whole networks stay as they are.
        {{Networks(1, 2, 1)}, {Networks(1, 2, 1)}, 0},
        // A range that begins inside network 1 gives it up; one that ends inside 3 keeps it.
        {{{At(1, 5), At(3, 9), 1}}, {Networks(2, 3, 1)}, 1},
        // Inside one network and not at its start: gone.
        {{{At(1, 5), At(1, 9), 1}}, {}, 1},
        // Two ranges in network 1: the one at its first address has it all.
        {{{At(1, 0), At(1, 9), 1}, {At(1, 10), At(2, ~uint64_t(0)), 2}}, {Networks(1, 1, 1), Networks(2, 2, 2)}, 2},
        // The very last network.
        {{{At(~uint64_t(0), 1), kLast6, 1}}, {}, 1},
    };
    for (const Case& test : cases) {
        FoldedRanges folded = FoldToNetworks(test.ranges, {});
        EXPECT_EQ(folded.ranges, test.networks);
        EXPECT_EQ(folded.folded, test.folded);
    }
}

TEST(FoldToNetworks, ANamedBlockInsideANetworkNamesItTheFirstListedFirst) {
    // Network 0 holds :: (value 1), ::1 (value 2) and the data range after them (3).
    std::vector<ValueRange6> ranges{{0, 0, 1}, {1, 1, 2}, {2, Networks(0, 1, 3).end, 3}};
    std::vector<ValueRange6> blocks{{1, 1, 2}, {0, 0, 1}, Networks(5, 5, 4)};
    EXPECT_EQ(FoldToNetworks(ranges, blocks).ranges, (std::vector<ValueRange6>{Networks(0, 0, 2), Networks(1, 1, 3)}));
}
