#pragma once
#include <cstdint>
#include <span>

// A network of mainland China and its carrier as Chinese users name it
// ("电信", "联通", "阿里云"; GBK).
struct Carrier {
    uint32_t asNumber;
    const char* name;
};

// The table, sorted by AS number, every number once.
std::span<const Carrier> Carriers();

// The carrier of the network with the AS number, or none where the table
// has no row for it.
const char* FindCarrier(uint32_t asNumber);
