#include "tools/qqwry/Address.h"

#include <charconv>

#include "base/Exception.h"
#include "base/GbkText.h"
#include "locdb/AddressText.h"

namespace {

std::optional<uint32_t> ParseDecimal(std::string_view digits) {
    uint32_t value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

// from_chars knows no 128-bit integers.
std::optional<Ipv6Number> ParseDecimal128(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    Ipv6Number value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        Ipv6Number next = value * 10 + unsigned(c - '0');
        if (next / 10 != value) return std::nullopt;
        value = next;
    }
    return value;
}

template <typename Address>
Address ParseAddressField(const std::string& field, const char* what) {
    auto address = AddressFamily<Address>::Parse(TrimText(field));
    if (!address)
        throw Exception(std::string(what) + " \"" + field + "\" is no " + AddressFamily<Address>::kName + " address");
    return *address;
}

}  // namespace

std::optional<uint32_t> ParseAddress(std::string_view text) {
    if (text.find('.') != std::string_view::npos) return ParseDottedIpv4(text);
    return ParseDecimal(text);
}

std::optional<Ipv6Number> ParseIpv6Number(std::string_view text) {
    if (text.find(':') == std::string_view::npos) return ParseDecimal128(text);
    auto address = ParseIpv6(text);
    if (!address) return std::nullopt;
    return Ipv6Number(address->high) << 64 | address->low;
}

std::string FormatAddress(uint32_t address) { return FormatDottedIpv4(address); }

std::string FormatIpv6Number(Ipv6Number address) { return FormatIpv6({uint64_t(address >> 64), uint64_t(address)}); }

template <typename Address>
BasicAddressRange<Address> ParseRangeFields(const std::vector<std::string>& fields) {
    if (fields.size() < 2) throw Exception("no address range");
    BasicAddressRange<Address> range{ParseAddressField<Address>(fields[0], "start"),
                                     ParseAddressField<Address>(fields[1], "end")};
    if (range.start > range.end) throw Exception("range start " + fields[0] + " after its end " + fields[1]);
    return range;
}

template AddressRange ParseRangeFields<uint32_t>(const std::vector<std::string>&);
template BasicAddressRange<Ipv6Number> ParseRangeFields<Ipv6Number>(const std::vector<std::string>&);
