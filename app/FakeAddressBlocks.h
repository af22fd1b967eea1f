#pragma once
#include <cstdint>

// The blocks from which a rule-based proxy client in its "fake-IP" mode
// answers every name the system asks it for, mapping the address back to
// the name when a connection comes. One table, so that another proxy's
// block can join it.
struct Ipv4Block {
    uint32_t Start;
    int PrefixLength;
};

inline constexpr Ipv4Block kFakeAddressBlocks[] = {
    {0xC6120000, 15},  // 198.18.0.0/15, the Clash family's
};

bool IsFakeProxyAddress(uint32_t address);
