#pragma once
#include <cstdint>
#include <string_view>

// A province-level division of China: the English name the geography data
// gives it, its code and its full name as GB/T 2260 writes them (GBK).
struct Province {
    const char* dataName;
    uint32_t code;
    const char* name;
};

// All 34 divisions: 23 provinces, 5 autonomous regions, 4 municipalities
// and 2 special administrative regions.
extern const Province kProvinces[34];

// The division the geography data names, or none for a name the table does
// not know (the build stops on it rather than guess).
const Province* FindProvince(std::string_view dataName);
