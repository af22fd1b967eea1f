#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "tools/qqwry/RangeMap.h"

// A piece of a country range on which the network operator does not change.
struct CountryOperatorRange {
    uint32_t start;
    uint32_t end;
    uint32_t country;
    std::optional<uint32_t> network;  // none where no operator is known
    bool operator==(const CountryOperatorRange&) const = default;
};

// Splits every country range where the operator ranges begin or end. Both
// inputs sorted and free of overlaps (as ResolveOverlaps gives them).
// Addresses with an operator but no country are left out: the database has
// its no-data label for them.
std::vector<CountryOperatorRange> SplitByOperator(const std::vector<ValueRange>& countries,
                                                  const std::vector<ValueRange>& operators);
