#include "tools/qqwry/RangeMap.h"

#include <algorithm>
#include <numeric>

template <typename Address>
void RangeMap<Address>::SplitBefore(Address address) {
    auto after = FPieces.upper_bound(address);
    if (after == FPieces.begin()) return;
    BasicValueRange<Address>& piece = std::prev(after)->second;
    if (piece.start == address || piece.end < address) return;
    BasicValueRange<Address> tail{address, piece.end, piece.value};
    piece.end = address - 1;
    FPieces.emplace_hint(after, address, tail);
}

template <typename Address>
void RangeMap<Address>::Paint(const BasicValueRange<Address>& range) {
    SplitBefore(range.start);
    if (range.end < AddressFamily<Address>::kLast) SplitBefore(range.end + 1);
    auto first = FPieces.lower_bound(range.start);
    auto last = FPieces.upper_bound(range.end);
    FPieces.erase(first, last);
    FPieces.emplace(range.start, range);
}

template <typename Address>
std::vector<BasicValueRange<Address>> RangeMap<Address>::Pieces() const {
    std::vector<BasicValueRange<Address>> joined;
    for (const auto& [start, piece] : FPieces) {
        if (!joined.empty() && joined.back().value == piece.value && joined.back().end + 1 == start)
            joined.back().end = piece.end;
        else
            joined.push_back(piece);
    }
    return joined;
}

template <typename Address>
std::vector<BasicValueRange<Address>> ResolveOverlaps(const std::vector<BasicValueRange<Address>>& ranges) {
    std::vector<size_t> order(ranges.size());
    std::iota(order.begin(), order.end(), 0);
    // Widest first, so that narrower ranges are painted over them; stable,
    // so that of two equally wide ranges the later is painted last.
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return ranges[a].end - ranges[a].start > ranges[b].end - ranges[b].start;
    });
    RangeMap<Address> map;
    for (size_t i : order) map.Paint(ranges[i]);
    return map.Pieces();
}

template class RangeMap<uint32_t>;
template class RangeMap<Ipv6Number>;
template std::vector<ValueRange> ResolveOverlaps(const std::vector<ValueRange>&);
template std::vector<ValueRange6> ResolveOverlaps(const std::vector<ValueRange6>&);
