#include "tools/qqwry/IpdbWriter.h"

#include <unordered_map>
#include <utility>

#include "locdb/IpdbLayout.h"
#include "tools/qqwry/GbkEncoding.h"
#include "tools/qqwry/Numbering.h"

namespace {

constexpr uint64_t kLowHalf = ~uint64_t(0);

using Place = std::pair<std::string, std::string>;  // UTF-8 country and area

class IpdbRecords {
public:
    explicit IpdbRecords(int offsetLength) : FOffsetLength(offsetLength), FBytes(ipdb::kHeaderSize, '\0') {}

    // Writes every place as one record; gives their offsets, or nothing when
    // the bytes outgrow what the offset length reaches.
    std::optional<std::vector<uint64_t>> PutPlaces(const Numbering<Place>& places);

    void PutIndex(const std::vector<LocationRange6>& ranges, const std::vector<uint32_t>& placeOfRange,
                  const std::vector<uint64_t>& recordOffsets);
    void PutHeader(uint64_t recordCount, uint64_t firstIndex);
    std::string Take() { return std::move(FBytes); }
    uint64_t Offset() const { return FBytes.size(); }

private:
    void PutNumber(uint64_t value, int length);
    void SetNumber(uint64_t at, uint64_t value, int length);
    void PutField(const std::string& text);

    int FOffsetLength;
    std::string FBytes;
    std::unordered_map<std::string, uint64_t> FTextOffsets;  // texts written out in full
};

void IpdbRecords::PutNumber(uint64_t value, int length) {
    for (int i = 0; i < length; ++i) FBytes += char(value >> 8 * i);
}

void IpdbRecords::SetNumber(uint64_t at, uint64_t value, int length) {
    for (int i = 0; i < length; ++i) FBytes[at + i] = char(value >> 8 * i);
}

void IpdbRecords::PutField(const std::string& text) {
    auto known = FTextOffsets.find(text);
    if (known != FTextOffsets.end() && text.size() + 1 > 1 + size_t(FOffsetLength)) {
        FBytes += char(ipdb::kTextRedirect);
        PutNumber(known->second, FOffsetLength);
        return;
    }
    FTextOffsets.emplace(text, Offset());
    FBytes += text;
    FBytes += '\0';
}

std::optional<std::vector<uint64_t>> IpdbRecords::PutPlaces(const Numbering<Place>& places) {
    std::vector<uint64_t> offsets;
    for (uint32_t i = 0; i < places.Size(); ++i) {
        offsets.push_back(Offset());
        PutField(places[i].first);
        PutField(places[i].second);
    }
    bool reachable = FOffsetLength == 8 || Offset() <= uint64_t(1) << 8 * FOffsetLength;
    if (!reachable) return std::nullopt;
    return offsets;
}

void IpdbRecords::PutIndex(const std::vector<LocationRange6>& ranges, const std::vector<uint32_t>& placeOfRange,
                           const std::vector<uint64_t>& recordOffsets) {
    for (size_t i = 0; i < ranges.size(); ++i) {
        PutNumber(uint64_t(ranges[i].start >> 64), ipdb::kAddressLength);
        PutNumber(recordOffsets[placeOfRange[i]], FOffsetLength);
    }
}

void IpdbRecords::PutHeader(uint64_t recordCount, uint64_t firstIndex) {
    FBytes.replace(0, 4, ipdb::kMagic, 4);
    SetNumber(ipdb::kVersionAt, ipdb::kVersion, 2);
    SetNumber(ipdb::kOffsetLengthAt, FOffsetLength, 1);
    SetNumber(ipdb::kAddressLengthAt, ipdb::kAddressLength, 1);
    SetNumber(ipdb::kRecordCountAt, recordCount, 8);
    SetNumber(ipdb::kFirstIndexAt, firstIndex, 8);
    SetNumber(ipdb::kFieldCountAt, 2, 1);
}

void CheckWholeNetworks(const std::vector<LocationRange6>& ranges) {
    for (const LocationRange6& range : ranges) {
        if (uint64_t(range.start) != 0 || uint64_t(range.end) != kLowHalf)
            throw Exception("range " + FormatIpv6Number(range.start) + " - " + FormatIpv6Number(range.end) +
                            " does not cover whole /64 networks");
    }
}

}  // namespace

std::string WriteIpdb(const std::vector<LocationRange6>& ranges) {
    CheckSortedAndApart(ranges);
    if (ranges.empty()) throw Exception("no ranges to write");
    CheckWholeNetworks(ranges);
    GbkToUtf8 toUtf8;
    Numbering<Place> places;
    std::vector<uint32_t> placeOfRange;
    for (const LocationRange6& range : ranges)
        placeOfRange.push_back(places.Number({toUtf8.Convert(range.country), toUtf8.Convert(range.area)}));
    for (int offsetLength = ipdb::kMinOffsetLength;; ++offsetLength) {
        IpdbRecords file(offsetLength);
        auto recordOffsets = file.PutPlaces(places);
        if (!recordOffsets) continue;  // 8 bytes always reach
        uint64_t firstIndex = file.Offset();
        file.PutIndex(ranges, placeOfRange, *recordOffsets);
        file.PutHeader(ranges.size(), firstIndex);
        return file.Take();
    }
}
