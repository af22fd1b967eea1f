#pragma once
#include <cstdint>
#include <map>
#include <vector>

#include "tools/qqwry/Address.h"

// A closed address range carrying a value (an index into the caller's table).
template <typename Address>
struct BasicValueRange {
    Address start;
    Address end;
    uint32_t value;
    bool operator==(const BasicValueRange&) const = default;
};
using ValueRange = BasicValueRange<uint32_t>;
using ValueRange6 = BasicValueRange<Ipv6Number>;

// Address ranges painted one over another: a range painted later replaces,
// on the addresses it covers, whatever was painted before.
template <typename Address>
class RangeMap {
public:
    void Paint(const BasicValueRange<Address>& range);
    // The painted pieces in address order; neighbours with the same value are
    // joined, unpainted addresses left out.
    std::vector<BasicValueRange<Address>> Pieces() const;

private:
    void SplitBefore(Address address);

    std::map<Address, BasicValueRange<Address>> FPieces;  // by start
};

// Resolves overlaps of input ranges: where ranges overlap, the narrower one
// holds (a sub-allocation says more than the block around it); between
// ranges of equal width the later one in the input holds. Start <= end is
// the caller's to check.
template <typename Address>
std::vector<BasicValueRange<Address>> ResolveOverlaps(const std::vector<BasicValueRange<Address>>& ranges);
