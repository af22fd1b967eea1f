#include "tools/SkinArchiveWriter.h"

namespace {

constexpr uint32_t kFormatTag = 40000;
constexpr size_t kHeaderSize = 96;

void PutU32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) out[at + i] = uint8_t(value >> (8 * i));
}

}  // namespace

std::vector<uint8_t> PackSkinArchive(const std::vector<ArchiveEntry>& entries) {
    std::string names;
    for (const ArchiveEntry& entry : entries) names += entry.Name + "\r\n";

    std::vector<uint8_t> out(kHeaderSize + names.size() + 4 * entries.size());
    PutU32(out, 0, kFormatTag);
    PutU32(out, 4, uint32_t(names.size()));
    std::copy(names.begin(), names.end(), out.begin() + kHeaderSize);
    size_t sizes = kHeaderSize + names.size();
    for (size_t i = 0; i < entries.size(); ++i) {
        PutU32(out, sizes + 4 * i, uint32_t(entries[i].Data.size()));
        out.insert(out.end(), entries[i].Data.begin(), entries[i].Data.end());
    }
    return out;
}
