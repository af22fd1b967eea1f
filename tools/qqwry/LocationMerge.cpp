#include "tools/qqwry/LocationMerge.h"

#include <map>
#include <utility>

#include "tools/qqwry/RangeMap.h"

namespace {

// Numbers each distinct country-area pair, so ranges can be painted as values.
class LocationTable {
public:
    uint32_t Number(const std::string& country, const std::string& area) {
        auto [entry, added] = numbers_.try_emplace({country, area}, uint32_t(pairs_.size()));
        if (added) pairs_.push_back(&entry->first);
        return entry->second;
    }
    const std::pair<std::string, std::string>& Pair(uint32_t number) const { return *pairs_[number]; }

private:
    std::map<std::pair<std::string, std::string>, uint32_t> numbers_;
    std::vector<const std::pair<std::string, std::string>*> pairs_;
};

}  // namespace

std::vector<LocationRange> MergeLocations(const std::vector<LocationRange>& ranges) {
    LocationTable table;
    // The label under everything: being the widest range, every input range
    // is painted over it.
    std::vector<ValueRange> painted{{0, UINT32_MAX, table.Number(kNoDataCountry, kNoDataArea)}};
    for (const LocationRange& range : ranges)
        painted.push_back({range.start, range.end, table.Number(range.country, range.area)});
    std::vector<LocationRange> merged;
    for (const ValueRange& piece : ResolveOverlaps(painted)) {
        const auto& [country, area] = table.Pair(piece.value);
        merged.push_back({piece.start, piece.end, country, area});
    }
    return merged;
}
