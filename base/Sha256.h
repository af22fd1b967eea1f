#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// SHA-256 (FIPS 180-4), fed piece by piece, so a file is checked as it
// arrives and never has to be held whole.
class TSha256 {
public:
    TSha256();
    void Update(const void* data, size_t size);
    // The digest as 64 lower-case hexadecimal digits; the object is spent.
    std::string HexDigest();

private:
    void Compress(const uint8_t* block);

    std::array<uint32_t, 8> FState;
    std::array<uint8_t, 64> FBlock = {};
    size_t FFilled = 0;
    uint64_t FLength = 0;
};

std::string Sha256Hex(std::string_view bytes);
