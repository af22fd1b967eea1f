#pragma once
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/SystemPath.h"

// Hand assembly of small QQWry-layout files, so each test states exactly the
// bytes it reads: records and texts first, then the index, then the header.
class QQWryBytes {
public:
    QQWryBytes() : FBytes(8, 0) {}

    uint32_t Here() const { return uint32_t(FBytes.size()); }

    uint32_t Text(const std::string& text) {
        uint32_t at = Here();
        FBytes.insert(FBytes.end(), text.begin(), text.end());
        FBytes.push_back(0);
        return at;
    }
    void Byte(uint8_t value) { FBytes.push_back(value); }
    void U24(uint32_t value) { Bytes(value, 3); }
    void U32(uint32_t value) { Bytes(value, 4); }
    uint32_t Redirect(uint8_t mode, uint32_t offset) {
        uint32_t at = Here();
        Byte(mode);
        U24(offset);
        return at;
    }

    // A record whose place block is the country and area texts inline.
    uint32_t InlineRecord(uint32_t end, const std::string& country, const std::string& area) {
        uint32_t at = Here();
        U32(end);
        Text(country);
        Text(area);
        return at;
    }

    void Entry(uint32_t start, uint32_t record) { FIndex.push_back({start, record}); }

    // Appends the index and writes the header that points at it.
    std::vector<uint8_t> Finish() {
        if (FFinished) return FBytes;
        FFinished = true;
        uint32_t first = Here();
        for (auto [start, record] : FIndex) {
            U32(start);
            U24(record);
        }
        uint32_t last = FIndex.empty() ? first : Here() - 7;
        SetU32(0, first);
        SetU32(4, last);
        return FBytes;
    }

    SystemPath WriteTo(const SystemPath& name) { return WriteFile(name, Finish()); }

    // Bytes after the index, such as a text that runs to the end of the file.
    void Trail(const std::string& bytes) { FBytes.insert(FBytes.end(), bytes.begin(), bytes.end()); }

    static SystemPath WriteFile(const SystemPath& path, const std::vector<uint8_t>& bytes) {
        std::ofstream(std::filesystem::path(path), std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path;
    }

    void SetU32(size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i) FBytes[at + i] = uint8_t(value >> 8 * i);
    }

private:
    void Bytes(uint32_t value, int count) {
        for (int i = 0; i < count; ++i) FBytes.push_back(uint8_t(value >> 8 * i));
    }

    struct IndexEntry {
        uint32_t start, record;
    };
    std::vector<uint8_t> FBytes;
    std::vector<IndexEntry> FIndex;
    bool FFinished = false;
};
