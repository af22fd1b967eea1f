#include "app/DnsMessage.h"

#include <algorithm>
#include <vector>

#include "base/AsciiCase.h"
#include "base/ByteView.h"

namespace {
const uint16_t kClassInternet = 1;
const uint16_t kTypeAlias = 5;
const int kMaxAliasLinks = 8;
const int kMaxPointerJumps = 32;
const size_t kMaxNameBytes = 255;
const size_t kMaxQueryName = 253;
const size_t kMaxLabel = 63;

struct Record {
    std::string Owner;
    uint16_t Type;
    uint16_t Class;
    uint64_t Data;  // offset of the data
    uint16_t Length;
    std::string Target;  // of an alias
};

bool IsNameByte(uint8_t c) { return c > 0x20 && c < 0x7F && c != '.'; }

std::string_view WithoutRootDot(std::string_view name) {
    return !name.empty() && name.back() == '.' ? name.substr(0, name.size() - 1) : name;
}

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), AsciiLower<char>);
    return lower;
}

uint16_t BigEndian16(const ByteView& message, uint64_t offset) {
    const uint8_t* p = message.At(offset, 2);
    return uint16_t(p[0] << 8 | p[1]);
}

// The name at offset, dotted and lower case; offset moves past it where it
// stands, whatever its pointers jumped to.
std::string ReadName(const ByteView& message, uint64_t& offset) {
    std::string name;
    uint64_t at = offset;
    bool jumped = false;
    int jumps = 0;
    size_t wireBytes = 0;
    for (;;) {
        uint8_t length = message.U8(at);
        if ((length & 0xC0) == 0xC0) {
            if (++jumps > kMaxPointerJumps) message.Fail();
            if (!jumped) offset = at + 2;
            jumped = true;
            at = uint64_t(length & 0x3F) << 8 | message.U8(at + 1);
            continue;
        }
        if (length > kMaxLabel) message.Fail();
        wireBytes += 1 + length;
        if (wireBytes > kMaxNameBytes) message.Fail();
        if (length == 0) break;
        const uint8_t* label = message.At(at + 1, length);
        if (!name.empty()) name += '.';
        for (int i = 0; i < length; ++i) {
            if (!IsNameByte(label[i])) message.Fail();
            name += AsciiLower(char(label[i]));
        }
        at += 1 + length;
    }
    if (!jumped) offset = at + 1;
    return name;
}

Record ReadRecord(const ByteView& message, uint64_t& offset) {
    Record record;
    record.Owner = ReadName(message, offset);
    record.Type = BigEndian16(message, offset);
    record.Class = BigEndian16(message, offset + 2);
    record.Length = BigEndian16(message, offset + 8);
    record.Data = offset + 10;
    message.At(record.Data, record.Length);
    offset = record.Data + record.Length;
    if (record.Class != kClassInternet) return record;
    uint64_t data = record.Data;
    if (record.Type == kTypeAlias) {
        record.Target = ReadName(message, data);
        if (data != offset) message.Fail();
    }
    if ((record.Type == uint16_t(DnsType::A) && record.Length != 4) ||
        (record.Type == uint16_t(DnsType::Aaaa) && record.Length != 16))
        message.Fail();
    return record;
}

IpAddress AddressOf(const ByteView& message, const Record& record) {
    const uint8_t* bytes = message.At(record.Data, record.Length);
    if (record.Length == 4) return uint32_t(bytes[0]) << 24 | bytes[1] << 16 | bytes[2] << 8 | bytes[3];
    Ipv6Address address;
    for (int i = 0; i < 8; ++i) {
        address.high = address.high << 8 | bytes[i];
        address.low = address.low << 8 | bytes[8 + i];
    }
    return address;
}

// A response to one question of ours, with no error beyond NXDOMAIN
// (RCODE 3); a truncated one is of no use, as nothing asks again over TCP.
bool IsPlainResponse(uint16_t id, uint16_t flags) {
    const uint16_t response = 0x8000, opcode = 0x7800, truncated = 0x0200;
    int code = flags & 0x000F;
    return id == 0 && (flags & response) && !(flags & opcode) && !(flags & truncated) && (code == 0 || code == 3);
}

DnsAnswer Read(const ByteView& message, std::string_view name, DnsType type) {
    uint16_t flags = BigEndian16(message, 2);
    if (!IsPlainResponse(BigEndian16(message, 0), flags) || BigEndian16(message, 4) != 1) return {};
    uint64_t offset = 12;
    std::string asked = ReadName(message, offset);
    if (asked != LowerCase(WithoutRootDot(name)) || BigEndian16(message, offset) != uint16_t(type) ||
        BigEndian16(message, offset + 2) != kClassInternet)
        return {};
    offset += 4;
    if ((flags & 0x000F) == 3) return {.Outcome = DnsOutcome::NoSuchName};
    std::vector<Record> records;
    for (int i = 0, count = BigEndian16(message, 6); i < count; ++i) records.push_back(ReadRecord(message, offset));
    auto internet = [](const Record& record, uint16_t recordType, const std::string& owner) {
        return record.Class == kClassInternet && record.Type == recordType && record.Owner == owner;
    };
    std::string current = asked;
    for (int links = 0;; ++links) {
        auto alias = std::find_if(records.begin(), records.end(),
                                  [&](const Record& record) { return internet(record, kTypeAlias, current); });
        if (alias == records.end()) break;
        if (links == kMaxAliasLinks) return {};
        current = alias->Target;
    }
    auto found = std::find_if(records.begin(), records.end(),
                              [&](const Record& record) { return internet(record, uint16_t(type), current); });
    if (found == records.end()) return {.Outcome = DnsOutcome::NoAddress, .CanonicalName = current};
    return {.Outcome = DnsOutcome::Address, .Address = AddressOf(message, *found), .CanonicalName = current};
}
}  // namespace

std::optional<std::string> BuildDnsQuery(std::string_view name, DnsType type) {
    name = WithoutRootDot(name);
    if (name.empty() || name.size() > kMaxQueryName) return std::nullopt;
    std::string query("\0\0\1\0\0\1\0\0\0\0\0\0", 12);  // ID 0, recursion desired, one question
    for (size_t start = 0; start <= name.size();) {
        size_t end = std::min(name.find('.', start), name.size());
        std::string_view label = name.substr(start, end - start);
        if (label.empty() || label.size() > kMaxLabel ||
            !std::all_of(label.begin(), label.end(), [](char c) { return IsNameByte(uint8_t(c)); }))
            return std::nullopt;
        query += char(label.size());
        query += label;
        start = end + 1;
    }
    query += '\0';
    query += {'\0', char(type), '\0', char(kClassInternet)};
    return query;
}

DnsAnswer ParseDnsAnswer(std::string_view message, std::string_view name, DnsType type) {
    try {
        return Read(ByteView(message.data(), message.size(), "unusable DNS message"), name, type);
    } catch (const Exception&) {
        return {};
    }
}
