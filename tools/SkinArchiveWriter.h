#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct ArchiveEntry {
    std::string Name;
    std::vector<uint8_t> Data;
};

// Packs entries into a skin archive of the current format (tag 40000): the
// header, the CR LF separated name list, the sizes, then the data.
std::vector<uint8_t> PackSkinArchive(const std::vector<ArchiveEntry>& entries);
