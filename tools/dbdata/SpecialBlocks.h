#pragma once
#include <string>
#include <vector>

#include "tools/qqwry/Address.h"

// A row of the special-purpose address table (special-purpose.csv): an
// address block that the IANA registries set aside, with what the user is
// shown for it.
template <typename Address>
struct SpecialBlock {
    Address start;
    Address end;
    std::string country;  // UTF-8, as the table writes them
    std::string area;
};

// The rows "block,registry name,country,area" of the table whose block is of
// the address family, in the table's order (the name tells readers of the
// table which registry entry a row stands for; the build needs the texts).
// A block is written as a prefix ("10.0.0.0/8", "fe80::/10"); a prefix
// length beyond the family's bits, an address with bits set behind its
// prefix, an empty field or a row of another shape is an Exception naming
// the file and line.
template <typename Address>
std::vector<SpecialBlock<Address>> ReadSpecialBlocks(const std::string& path);
