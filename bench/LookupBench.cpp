// Lookups per second on the location database: the whole cycle every caller
// makes (construct, find, fill, destroy), and find + fill on one open reader
// against a binary search over the same ranges held in memory.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "bench/LookupTiming.h"
#include "locdb/QQWryReader.h"

namespace {

struct MemoryRange {
    uint32_t start;
    std::string location;
};

std::string Dotted(uint32_t address) {
    return std::to_string(address >> 24) + "." + std::to_string(address >> 16 & 255) + "." +
           std::to_string(address >> 8 & 255) + "." + std::to_string(address & 255);
}

std::vector<std::string> RandomAddresses(size_t count) {
    std::mt19937 random(42);
    std::vector<std::string> addresses;
    for (size_t i = 0; i < count; ++i) addresses.push_back(Dotted(uint32_t(random())));
    return addresses;
}

// The baseline: the same ranges as a sorted array in memory. Read through
// the one open reader: a second one could not open the file beside it.
std::vector<MemoryRange> LoadRanges(TQQWry& reader) {
    std::vector<MemoryRange> ranges;
    TStringList list;
    for (int64_t n = 1; n <= reader.RecordCount(); ++n) {
        reader.FillLocation(list, n);
        ranges.push_back({uint32_t(TQQWry::AddressToNumber(list[0])), list[2] + list[3]});
    }
    return ranges;
}

template <class Lookup>
double LookupsPerSecond(const std::vector<std::string>& addresses, Lookup lookup) {
    return addresses.size() / SecondsFor(addresses, lookup);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: lookup-bench <cxsjk.Dat> [lookups]\n");
        return 2;
    }
    SystemPath path = std::filesystem::path(argv[1]).native();
    size_t count = argc > 2 ? std::stoul(argv[2]) : 200000;
    std::vector<std::string> addresses = RandomAddresses(count);

    double cycle = LookupsPerSecond(addresses, [&](const std::string& address) {
        TQQWry reader(path);
        TStringList list;
        reader.FillLocation(list, reader.FindRecordNumber(address));
        return list[2] + list[3];
    });

    TQQWry open(path);
    TStringList list;
    double findFill = LookupsPerSecond(addresses, [&](const std::string& address) {
        open.FillLocation(list, open.FindRecordNumber(address));
        return list[2] + list[3];
    });

    std::vector<MemoryRange> ranges = LoadRanges(open);
    double baseline = LookupsPerSecond(addresses, [&](const std::string& address) {
        uint32_t number = uint32_t(TQQWry::AddressToNumber(address));
        auto after = std::upper_bound(ranges.begin(), ranges.end(), number,
                                      [](uint32_t n, const MemoryRange& r) { return n < r.start; });
        return std::string(after == ranges.begin() ? ranges.front().location : (after - 1)->location);
    });

    std::printf("records                      %lld\n", static_cast<long long>(open.RecordCount()));
    std::printf("whole cycle                  %10.0f lookups/s\n", cycle);
    std::printf("find + fill, one reader      %10.0f lookups/s\n", findFill);
    std::printf("in-memory binary search      %10.0f lookups/s\n", baseline);
    std::printf("find + fill / baseline time  %10.2fx\n", baseline / findFill);
    return 0;
}
