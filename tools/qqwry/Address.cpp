#include "tools/qqwry/Address.h"

#include <charconv>

#include "base/Exception.h"
#include "base/GbkText.h"

namespace {

std::optional<uint32_t> ParseDecimal(std::string_view digits) {
    uint32_t value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

std::optional<uint32_t> ParseDotted(std::string_view text) {
    uint32_t address = 0;
    for (int part = 0; part < 4; ++part) {
        size_t dot = part < 3 ? text.find('.') : text.size();
        if (dot == std::string_view::npos) return std::nullopt;
        auto value = ParseDecimal(text.substr(0, dot));
        if (!value || *value > 255) return std::nullopt;
        address = address << 8 | *value;
        text.remove_prefix(part < 3 ? dot + 1 : dot);
    }
    return address;
}

uint32_t ParseAddressField(const std::string& field, const char* what) {
    auto address = ParseAddress(TrimText(field));
    if (!address) throw Exception(std::string(what) + " \"" + field + "\" is no IPv4 address");
    return *address;
}

}  // namespace

std::optional<uint32_t> ParseAddress(std::string_view text) {
    if (text.find('.') != std::string_view::npos) return ParseDotted(text);
    return ParseDecimal(text);
}

std::string FormatAddress(uint32_t address) {
    return std::to_string(address >> 24) + '.' + std::to_string(address >> 16 & 255) + '.' +
           std::to_string(address >> 8 & 255) + '.' + std::to_string(address & 255);
}

AddressRange ParseRangeFields(const std::vector<std::string>& fields) {
    if (fields.size() < 2) throw Exception("no address range");
    AddressRange range{ParseAddressField(fields[0], "start"), ParseAddressField(fields[1], "end")};
    if (range.start > range.end) throw Exception("range start " + fields[0] + " after its end " + fields[1]);
    return range;
}
