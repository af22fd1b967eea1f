#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "tools/qqwry/RangeMap.h"

// A piece of a country range on which the network operator does not change.
template <typename Address>
struct CountryOperatorRange {
    Address start;
    Address end;
    uint32_t country;
    std::optional<uint32_t> network;  // none where no operator is known
    bool operator==(const CountryOperatorRange&) const = default;
};

// Splits every country range where the operator ranges begin or end. Both
// inputs sorted and free of overlaps (as ResolveOverlaps gives them).
// Addresses with an operator but no country are left out: the database has
// its no-data label for them.
template <typename Address>
std::vector<CountryOperatorRange<Address>> SplitByOperator(const std::vector<BasicValueRange<Address>>& countries,
                                                           const std::vector<BasicValueRange<Address>>& operators);
