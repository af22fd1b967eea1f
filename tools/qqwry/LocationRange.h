#pragma once
#include <cstdint>
#include <string>

// A closed address range with its location: GBK country and area texts.
struct LocationRange {
    uint32_t start;
    uint32_t end;
    std::string country;
    std::string area;
    bool operator==(const LocationRange&) const = default;
};
