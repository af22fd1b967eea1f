#pragma once
#include <array>
#include <cstdint>
#include <string>

using TUuidBytes = std::array<uint8_t, 16>;

// The node field (bytes 10 to 15) of two UUIDs made one after the other, as
// "00-1A-2B-3C-4D-5E": the network adapter's address. Empty when the two
// differ, since then the node is random and names no adapter.
std::string NodeAddressText(const TUuidBytes& first, const TUuidBytes& second);
