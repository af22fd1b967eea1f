#pragma once
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

// IP addresses as people write them. Nothing here trims blanks: callers
// trim first, as the typed and batch lookups do.

// Dotted IPv4: four decimal numbers of one to three digits, each 0..255.
std::optional<uint32_t> ParseDottedIpv4(std::string_view text);
std::string FormatDottedIpv4(uint32_t address);

// An IPv6 address as two halves, most significant first; the location
// databases key on the upper half, the network part.
struct Ipv6Address {
    uint64_t high = 0;
    uint64_t low = 0;
    auto operator<=>(const Ipv6Address&) const = default;
};

// Every text form of RFC 4291: eight groups of one to four hexadecimal
// digits in either case, one "::" standing for one or more zero groups, and
// a dotted IPv4 address in place of the last two groups. A zone behind "%"
// ("fe80::1%eth0") names an interface, not a place, and is dropped; an empty
// zone is malformed.
std::optional<Ipv6Address> ParseIpv6(std::string_view text);

// The short form of RFC 5952: lower case, no leading zeros, the longest run
// of two or more zero groups (the first of equally long runs) as "::", and
// an IPv4-mapped address with its dotted tail ("::ffff:1.2.3.4").
std::string FormatIpv6(const Ipv6Address& address);

// The IPv4 address inside an IPv4-mapped one (::ffff:0:0/96): such an
// address is an IPv4 host, and the IPv4 database knows where it is.
std::optional<uint32_t> MappedIpv4(const Ipv6Address& address);

// An address of either family, as a resolver gives it.
using IpAddress = std::variant<uint32_t, Ipv6Address>;
// Dotted for IPv4, the short form for IPv6.
std::string FormatIpAddress(const IpAddress& address);
