#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Compresses bytes into an LZHUF stream that LzhDecode turns back into them:
// the 32-bit little-endian length, then the code bits, padded to a byte.
std::vector<uint8_t> LzhEncode(const uint8_t* data, size_t size);
