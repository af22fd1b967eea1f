#include "tools/qqwry/LocationMerge.h"

#include <utility>

#include "tools/qqwry/Numbering.h"
#include "tools/qqwry/RangeMap.h"

template <typename Address>
std::vector<BasicLocationRange<Address>> MergeLocations(const std::vector<BasicLocationRange<Address>>& ranges) {
    Numbering<std::pair<std::string, std::string>> table;
    // The label under everything: being the widest range, every input range
    // is painted over it.
    std::vector<BasicValueRange<Address>> painted{
        {0, AddressFamily<Address>::kLast, table.Number({kNoDataCountry, kNoDataArea})}};
    for (const auto& range : ranges)
        painted.push_back({range.start, range.end, table.Number({range.country, range.area})});
    std::vector<BasicLocationRange<Address>> merged;
    for (const auto& piece : ResolveOverlaps(painted)) {
        const auto& [country, area] = table[piece.value];
        merged.push_back({piece.start, piece.end, country, area});
    }
    return merged;
}

template std::vector<LocationRange> MergeLocations(const std::vector<LocationRange>&);
template std::vector<LocationRange6> MergeLocations(const std::vector<LocationRange6>&);
