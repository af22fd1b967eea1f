#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// An IPv4 address as written in the CSV files: dotted ("1.2.3.4", each part
// 0..255) or one decimal number (16909060). Anything else is no address.
std::optional<uint32_t> ParseAddress(std::string_view text);

// Dotted form, most significant byte first, as the reader writes it.
std::string FormatAddress(uint32_t address);
