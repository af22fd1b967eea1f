#include "tools/qqwry/QQWryWriter.h"

#include <unordered_map>

#include "base/Exception.h"

namespace {

constexpr uint8_t kPlaceRedirect = 1;  // country and area both elsewhere
constexpr uint8_t kTextRedirect = 2;   // this one text elsewhere
constexpr uint32_t kHeaderSize = 8;
constexpr uint32_t kIndexEntrySize = 7;
constexpr uint32_t kRedirectSize = 4;  // mode byte and 3-byte offset
constexpr uint64_t kOffsetLimit = uint64_t(1) << 24;

class QQWryLayout {
public:
    std::string Write(const std::vector<LocationRange>& ranges);

private:
    void PutU24(uint32_t value);
    void PutU32(uint32_t value);
    void SetU32(size_t at, uint32_t value);
    void PutRedirect(uint8_t mode, uint32_t offset);
    void PutText(const std::string& text);
    uint32_t Offset() const { return uint32_t(FBytes.size()); }

    void PutRecord(const LocationRange& range);
    void PutPlace(const std::string& country, const std::string& area);
    void PutArea(const std::string& area);
    void PutIndex(const std::vector<LocationRange>& ranges, const std::vector<uint32_t>& recordOffsets);

    std::string FBytes;
    // Where each text and each country-area pair was written out in full.
    std::unordered_map<std::string, uint32_t> FTextOffsets;
    std::unordered_map<std::string, uint32_t> FPlaceOffsets;
};

// A text worth a redirection: it takes more room than the 4-byte pointer.
bool WorthSharing(const std::string& text) { return text.size() + 1 > kRedirectSize; }

}  // namespace

void QQWryLayout::PutU24(uint32_t value) {
    for (int shift = 0; shift < 24; shift += 8) FBytes += char(value >> shift);
}

void QQWryLayout::PutU32(uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) FBytes += char(value >> shift);
}

void QQWryLayout::SetU32(size_t at, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) FBytes[at++] = char(value >> shift);
}

void QQWryLayout::PutRedirect(uint8_t mode, uint32_t offset) {
    FBytes += char(mode);
    PutU24(offset);
}

void QQWryLayout::PutText(const std::string& text) {
    FTextOffsets.emplace(text, Offset());
    FBytes += text;
    FBytes += '\0';
}

void QQWryLayout::PutArea(const std::string& area) {
    auto known = FTextOffsets.find(area);
    if (known != FTextOffsets.end() && WorthSharing(area))
        PutRedirect(kTextRedirect, known->second);
    else
        PutText(area);
}

void QQWryLayout::PutPlace(const std::string& country, const std::string& area) {
    std::string pair = country + '\0' + area;
    if (auto known = FPlaceOffsets.find(pair); known != FPlaceOffsets.end()) {
        PutRedirect(kPlaceRedirect, known->second);
        return;
    }
    FPlaceOffsets.emplace(pair, Offset());
    auto knownCountry = FTextOffsets.find(country);
    if (knownCountry != FTextOffsets.end() && WorthSharing(country))
        PutRedirect(kTextRedirect, knownCountry->second);
    else
        PutText(country);
    PutArea(area);
}

void QQWryLayout::PutRecord(const LocationRange& range) {
    PutU32(range.end);
    PutPlace(range.country, range.area);
}

void QQWryLayout::PutIndex(const std::vector<LocationRange>& ranges, const std::vector<uint32_t>& recordOffsets) {
    for (size_t i = 0; i < ranges.size(); ++i) {
        PutU32(ranges[i].start);
        PutU24(recordOffsets[i]);
    }
}

std::string QQWryLayout::Write(const std::vector<LocationRange>& ranges) {
    CheckSortedAndApart(ranges);
    if (ranges.empty()) throw Exception("no ranges to write");
    FBytes.assign(kHeaderSize, '\0');  // filled in once the index has its place
    std::vector<uint32_t> recordOffsets;
    for (const LocationRange& range : ranges) {
        recordOffsets.push_back(Offset());
        PutRecord(range);
    }
    if (FBytes.size() > kOffsetLimit)
        throw Exception("records and texts take " + std::to_string(FBytes.size()) +
                        " bytes, more than the 16 MiB that 3-byte offsets reach");
    uint32_t firstIndex = Offset();
    PutIndex(ranges, recordOffsets);
    SetU32(0, firstIndex);
    SetU32(4, firstIndex + uint32_t(ranges.size() - 1) * kIndexEntrySize);
    return std::move(FBytes);
}

std::string WriteQQWry(const std::vector<LocationRange>& ranges) { return QQWryLayout().Write(ranges); }
