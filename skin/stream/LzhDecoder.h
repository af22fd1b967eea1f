#pragma once
#include <cstdint>
#include <vector>

#include "base/ByteView.h"
#include "base/Exception.h"

// Failures of the LZH decompressor that are not damage of the data itself.
class ELzhError : public Exception {
public:
    using Exception::Exception;
};

inline constexpr const char* kLzhNoMemory = "LZH : Cannot get memory for dictionary tables";
inline constexpr const char* kLzhDamaged = "LZH : Compressed data is damaged";

// A stream may announce at most this many bytes; skins are far smaller, and
// the bound keeps a damaged length from asking for gigabytes.
inline constexpr uint32_t kLzhMaxLength = 64u << 20;

// Decompresses an LZHUF stream: a 32-bit little-endian length, then the code
// bits. Never reads past the input nor produces more than the announced
// length. Throws Exception(kLzhDamaged) when the code runs out early or the
// length is above kLzhMaxLength, ELzhError when memory runs out.
std::vector<uint8_t> LzhDecode(const void* data, size_t size);
