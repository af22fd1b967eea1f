#include "tools/qqwry/RangeMap.h"

#include <algorithm>
#include <numeric>

void RangeMap::SplitBefore(uint32_t address) {
    auto after = FPieces.upper_bound(address);
    if (after == FPieces.begin()) return;
    ValueRange& piece = std::prev(after)->second;
    if (piece.start == address || piece.end < address) return;
    ValueRange tail{address, piece.end, piece.value};
    piece.end = address - 1;
    FPieces.emplace_hint(after, address, tail);
}

void RangeMap::Paint(const ValueRange& range) {
    SplitBefore(range.start);
    if (range.end < UINT32_MAX) SplitBefore(range.end + 1);
    auto first = FPieces.lower_bound(range.start);
    auto last = FPieces.upper_bound(range.end);
    FPieces.erase(first, last);
    FPieces.emplace(range.start, range);
}

std::vector<ValueRange> RangeMap::Pieces() const {
    std::vector<ValueRange> joined;
    for (const auto& [start, piece] : FPieces) {
        if (!joined.empty() && joined.back().value == piece.value && joined.back().end + 1 == start)
            joined.back().end = piece.end;
        else
            joined.push_back(piece);
    }
    return joined;
}

std::vector<ValueRange> ResolveOverlaps(const std::vector<ValueRange>& ranges) {
    std::vector<size_t> order(ranges.size());
    std::iota(order.begin(), order.end(), 0);
    // Widest first, so that narrower ranges are painted over them; stable,
    // so that of two equally wide ranges the later is painted last.
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return ranges[a].end - ranges[a].start > ranges[b].end - ranges[b].start;
    });
    RangeMap map;
    for (size_t i : order) map.Paint(ranges[i]);
    return map.Pieces();
}
