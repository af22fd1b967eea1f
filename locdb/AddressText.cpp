#include "locdb/AddressText.h"

#include <array>

namespace {

constexpr int kGroups = 8;
using Groups = std::array<uint16_t, kGroups>;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<uint16_t> ParseGroup(std::string_view digits) {
    if (digits.empty() || digits.size() > 4) return std::nullopt;
    uint16_t value = 0;
    for (char c : digits) {
        int digit = HexValue(c);
        if (digit < 0) return std::nullopt;
        value = uint16_t(value << 4 | digit);
    }
    return value;
}

// The groups of one side of "::" (or of the whole text without one), from
// groups[0] on. Only the last side may end in a dotted IPv4 address, which
// fills two groups. Gives the number of groups, or nothing when malformed.
std::optional<int> ParseGroups(std::string_view text, bool lastSide, Groups& groups) {
    if (text.empty()) return 0;
    int count = 0;
    while (true) {
        size_t colon = text.find(':');
        std::string_view piece = text.substr(0, colon);
        bool last = colon == std::string_view::npos;
        if (last && lastSide && piece.find('.') != std::string_view::npos) {
            auto ipv4 = ParseDottedIpv4(piece);
            if (!ipv4 || count + 2 > kGroups) return std::nullopt;
            groups[count++] = uint16_t(*ipv4 >> 16);
            groups[count++] = uint16_t(*ipv4);
            return count;
        }
        auto group = ParseGroup(piece);
        if (!group || count >= kGroups) return std::nullopt;
        groups[count++] = *group;
        if (last) return count;
        text.remove_prefix(colon + 1);
    }
}

Ipv6Address FromGroups(const Groups& groups) {
    Ipv6Address address;
    for (int i = 0; i < 4; ++i) address.high = address.high << 16 | groups[i];
    for (int i = 4; i < kGroups; ++i) address.low = address.low << 16 | groups[i];
    return address;
}

Groups ToGroups(const Ipv6Address& address) {
    Groups groups;
    for (int i = 0; i < 4; ++i) groups[i] = uint16_t(address.high >> (48 - 16 * i));
    for (int i = 0; i < 4; ++i) groups[4 + i] = uint16_t(address.low >> (48 - 16 * i));
    return groups;
}

std::string HexGroup(uint16_t group) {
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    for (int shift = 12; shift >= 0; shift -= 4)
        if (group >> shift || shift == 0 || !text.empty()) text += kDigits[group >> shift & 15];
    return text;
}

}  // namespace

std::optional<uint32_t> ParseDottedIpv4(std::string_view text) {
    uint32_t address = 0;
    for (int part = 0; part < 4; ++part) {
        size_t length = 0;
        uint32_t value = 0;
        while (length < text.size() && IsDigit(text[length])) value = value * 10 + (text[length++] - '0');
        if (length == 0 || length > 3 || value > 255) return std::nullopt;
        address = address << 8 | value;
        text.remove_prefix(length);
        bool dotFollows = !text.empty() && text[0] == '.';
        if (dotFollows != (part < 3)) return std::nullopt;
        if (dotFollows) text.remove_prefix(1);
    }
    if (!text.empty()) return std::nullopt;
    return address;
}

std::string FormatDottedIpv4(uint32_t address) {
    return std::to_string(address >> 24) + '.' + std::to_string(address >> 16 & 255) + '.' +
           std::to_string(address >> 8 & 255) + '.' + std::to_string(address & 255);
}

std::optional<Ipv6Address> ParseIpv6(std::string_view text) {
    size_t zone = text.find('%');
    if (zone != std::string_view::npos) {
        if (zone + 1 == text.size()) return std::nullopt;
        text = text.substr(0, zone);
    }
    Groups groups{};
    size_t gap = text.find("::");
    if (gap == std::string_view::npos) {
        auto count = ParseGroups(text, true, groups);
        if (!count || *count != kGroups) return std::nullopt;
        return FromGroups(groups);
    }
    Groups tail{};
    auto headCount = ParseGroups(text.substr(0, gap), false, groups);
    auto tailCount = ParseGroups(text.substr(gap + 2), true, tail);
    // "::" stands for at least one group.
    if (!headCount || !tailCount || *headCount + *tailCount >= kGroups) return std::nullopt;
    for (int i = 0; i < *tailCount; ++i) groups[kGroups - *tailCount + i] = tail[i];
    return FromGroups(groups);
}

std::optional<uint32_t> MappedIpv4(const Ipv6Address& address) {
    if (address.high != 0 || address.low >> 32 != 0xFFFF) return std::nullopt;
    return uint32_t(address.low);
}

std::string FormatIpv6(const Ipv6Address& address) {
    if (auto ipv4 = MappedIpv4(address)) return "::ffff:" + FormatDottedIpv4(*ipv4);
    Groups groups = ToGroups(address);
    int runStart = -1, runLength = 1;  // a single zero group is never shortened
    for (int i = 0; i < kGroups;) {
        int length = 0;
        while (i + length < kGroups && groups[i + length] == 0) ++length;
        if (length > runLength) {
            runStart = i;
            runLength = length;
        }
        i += length + 1;
    }
    std::string text;
    for (int i = 0; i < kGroups; ++i) {
        if (i == runStart) {
            text += "::";
            i += runLength - 1;
            continue;
        }
        if (!text.empty() && !text.ends_with(':')) text += ':';
        text += HexGroup(groups[i]);
    }
    return text;
}

std::string FormatIpAddress(const IpAddress& address) {
    if (const uint32_t* ipv4 = std::get_if<uint32_t>(&address)) return FormatDottedIpv4(*ipv4);
    return FormatIpv6(std::get<Ipv6Address>(address));
}
