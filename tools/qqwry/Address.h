#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An IPv4 address as written in the CSV files: dotted ("1.2.3.4", each part
// 0..255) or one decimal number (16909060). Anything else is no address.
std::optional<uint32_t> ParseAddress(std::string_view text);

// Dotted form, most significant byte first, as the reader writes it.
std::string FormatAddress(uint32_t address);

struct AddressRange {
    uint32_t start;
    uint32_t end;
};

// The first two fields of a CSV line as a range (blanks around the addresses
// allowed). Throws Exception when either is no address or start is after end.
AddressRange ParseRangeFields(const std::vector<std::string>& fields);
