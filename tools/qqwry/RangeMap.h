#pragma once
#include <cstdint>
#include <map>
#include <vector>

// A closed address range carrying a value (an index into the caller's table).
struct ValueRange {
    uint32_t start;
    uint32_t end;
    uint32_t value;
    bool operator==(const ValueRange&) const = default;
};

// Address ranges painted one over another: a range painted later replaces,
// on the addresses it covers, whatever was painted before.
class RangeMap {
public:
    void Paint(const ValueRange& range);
    // The painted pieces in address order; neighbours with the same value are
    // joined, unpainted addresses left out.
    std::vector<ValueRange> Pieces() const;

private:
    void SplitBefore(uint32_t address);

    std::map<uint32_t, ValueRange> FPieces;  // by start
};

// Resolves overlaps of input ranges: where ranges overlap, the narrower one
// holds (a sub-allocation says more than the block around it); between
// ranges of equal width the later one in the input holds. Start <= end is
// the caller's to check.
std::vector<ValueRange> ResolveOverlaps(const std::vector<ValueRange>& ranges);
