#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// IPv6 addresses as numbers. The tools run on the build machine only, whose
// compiler has 128-bit integers; the program itself never needs them.
using Ipv6Number = unsigned __int128;

// An IPv4 address as written in the CSV files: dotted ("1.2.3.4", each part
// 0..255) or one decimal number (16909060). Anything else is no address.
std::optional<uint32_t> ParseAddress(std::string_view text);
// An IPv6 address as written in the CSV files: any IPv6 text form, or one
// decimal number (as the open data's "-num" files write them).
std::optional<Ipv6Number> ParseIpv6Number(std::string_view text);

// Dotted form, most significant byte first, as the reader writes it.
std::string FormatAddress(uint32_t address);
// The short form of RFC 5952.
std::string FormatIpv6Number(Ipv6Number address);

// What the range code needs to know of an address family.
template <typename Address>
struct AddressFamily;

template <>
struct AddressFamily<uint32_t> {
    static constexpr uint32_t kLast = UINT32_MAX;
    static constexpr const char* kName = "IPv4";
    static std::optional<uint32_t> Parse(std::string_view text) { return ParseAddress(text); }
    static std::string Format(uint32_t address) { return FormatAddress(address); }
};

template <>
struct AddressFamily<Ipv6Number> {
    static constexpr Ipv6Number kLast = ~Ipv6Number(0);
    static constexpr const char* kName = "IPv6";
    static std::optional<Ipv6Number> Parse(std::string_view text) { return ParseIpv6Number(text); }
    static std::string Format(Ipv6Number address) { return FormatIpv6Number(address); }
};

template <typename Address>
struct BasicAddressRange {
    Address start;
    Address end;
};
using AddressRange = BasicAddressRange<uint32_t>;

// The first two fields of a CSV line as a range (blanks around the addresses
// allowed). Throws Exception when either is no address or start is after end.
template <typename Address = uint32_t>
BasicAddressRange<Address> ParseRangeFields(const std::vector<std::string>& fields);
