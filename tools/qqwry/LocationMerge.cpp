#include "tools/qqwry/LocationMerge.h"

#include <utility>

#include "tools/qqwry/Numbering.h"
#include "tools/qqwry/RangeMap.h"

std::vector<LocationRange> MergeLocations(const std::vector<LocationRange>& ranges) {
    Numbering<std::pair<std::string, std::string>> table;
    // The label under everything: being the widest range, every input range
    // is painted over it.
    std::vector<ValueRange> painted{{0, UINT32_MAX, table.Number({kNoDataCountry, kNoDataArea})}};
    for (const LocationRange& range : ranges)
        painted.push_back({range.start, range.end, table.Number({range.country, range.area})});
    std::vector<LocationRange> merged;
    for (const ValueRange& piece : ResolveOverlaps(painted)) {
        const auto& [country, area] = table[piece.value];
        merged.push_back({piece.start, piece.end, country, area});
    }
    return merged;
}
