#pragma once
#include <cstddef>
#include <vector>

#include "tools/qqwry/RangeMap.h"

struct FoldedRanges {
    std::vector<ValueRange6> ranges;  // whole /64 networks only
    size_t folded;                    // input ranges that began or ended inside a /64
};

// The IPv6 database keys whole /64 networks, so ranges are folded to them
// by one rule: a /64 takes the range that covers its first address, unless
// a named block narrower than a /64 lies in it; then the first such block in
// the given order names the whole /64. Addresses no range covers stay
// uncovered. Ranges sorted and apart; blocks in any order, each inside one
// /64 or covering whole ones (as address prefixes do).
FoldedRanges FoldToNetworks(const std::vector<ValueRange6>& ranges, const std::vector<ValueRange6>& namedBlocks);
