#include "tools/dbdata/NetworkFold.h"

namespace {

constexpr uint64_t kLowHalf = ~uint64_t(0);

bool CoversWholeNetworks(const ValueRange6& range) {
    return uint64_t(range.start) == 0 && uint64_t(range.end) == kLowHalf;
}

ValueRange6 Networks(Ipv6Number first, Ipv6Number last, uint32_t value) {
    return {first << 64, last << 64 | kLowHalf, value};
}

}  // namespace

FoldedRanges FoldToNetworks(const std::vector<ValueRange6>& ranges, const std::vector<ValueRange6>& namedBlocks) {
    RangeMap<Ipv6Number> map;
    size_t folded = 0;
    for (const ValueRange6& range : ranges) {
        if (!CoversWholeNetworks(range)) ++folded;
        // The /64s whose first address lies in the range.
        Ipv6Number first = (range.start >> 64) + (uint64_t(range.start) != 0);
        Ipv6Number last = range.end >> 64;
        if (first <= last) map.Paint(Networks(first, last, range.value));
    }
    // Backwards, so that of two blocks in one /64 the first is painted last.
    for (auto block = namedBlocks.rbegin(); block != namedBlocks.rend(); ++block) {
        if (CoversWholeNetworks(*block)) continue;
        map.Paint(Networks(block->start >> 64, block->start >> 64, block->value));
    }
    return {map.Pieces(), folded};
}
