#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "base/Exception.h"
#include "tools/qqwry/Address.h"

// A closed address range with its location: GBK country and area texts.
template <typename Address>
struct BasicLocationRange {
    Address start;
    Address end;
    std::string country;
    std::string area;
    bool operator==(const BasicLocationRange&) const = default;
};
using LocationRange = BasicLocationRange<uint32_t>;
using LocationRange6 = BasicLocationRange<Ipv6Number>;

// What every writer asks of its input. Throws Exception otherwise.
template <typename Address>
void CheckSortedAndApart(const std::vector<BasicLocationRange<Address>>& ranges) {
    for (size_t i = 0; i < ranges.size(); ++i) {
        if (ranges[i].start > ranges[i].end) throw Exception("range start after its end");
        if (i > 0 && ranges[i].start <= ranges[i - 1].end) throw Exception("ranges unsorted or overlapping");
    }
}
