#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tests/locdb/QQWryBytes.h"

// What the header of a hand-made IPDB file says.
struct IpdbHeader {
    int offsetLength = 3;
    int fieldCount = 2;
    uint16_t version = 2;
    int addressLength = 8;
};

// Hand assembly of small IPDB-layout files, so each test states exactly the
// bytes it reads: the header's room, records and texts, then the index.
class IpdbBytes {
public:
    explicit IpdbBytes(IpdbHeader header = {}) : FHeader(header), FBytes(32, 0) {}

    uint64_t Here() const { return FBytes.size(); }

    // A zero-terminated UTF-8 text.
    uint64_t Text(const std::u8string& text) {
        uint64_t at = Here();
        FBytes.insert(FBytes.end(), text.begin(), text.end());
        FBytes.push_back(0);
        return at;
    }

    // A field mark (1 or 2) and the offset behind it.
    uint64_t Redirect(uint8_t mark, uint64_t offset) {
        uint64_t at = Here();
        FBytes.push_back(mark);
        Number(offset, FHeader.offsetLength);
        return at;
    }

    void Entry(uint64_t start, uint64_t record) { FIndex.push_back({start, record}); }

    // Appends the index and fills in the header; count overrides the
    // number of entries the header claims.
    std::vector<uint8_t> Finish(int64_t count = -1) {
        uint64_t first = Here();
        for (auto [start, record] : FIndex) {
            Number(start, FHeader.addressLength);
            Number(record, FHeader.offsetLength);
        }
        std::vector<uint8_t> header{'I', 'P', 'D', 'B', uint8_t(FHeader.version), uint8_t(FHeader.version >> 8),
                                    uint8_t(FHeader.offsetLength), uint8_t(FHeader.addressLength)};
        Append(header, count < 0 ? FIndex.size() : uint64_t(count), 8);
        Append(header, first, 8);
        header.push_back(uint8_t(FHeader.fieldCount));
        std::copy(header.begin(), header.end(), FBytes.begin());
        return FBytes;
    }

    SystemPath WriteTo(const SystemPath& path, int64_t count = -1) { return QQWryBytes::WriteFile(path, Finish(count)); }

private:
    static void Append(std::vector<uint8_t>& bytes, uint64_t value, int length) {
        for (int i = 0; i < length; ++i) bytes.push_back(i < 8 ? uint8_t(value >> 8 * i) : 0);
    }
    void Number(uint64_t value, int length) { Append(FBytes, value, length); }

    struct IndexEntry {
        uint64_t start, record;
    };
    IpdbHeader FHeader;
    std::vector<uint8_t> FBytes;
    std::vector<IndexEntry> FIndex;
};
