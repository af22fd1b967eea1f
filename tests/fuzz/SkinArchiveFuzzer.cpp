// Any bytes as a decompressed archive: every entry found must lie inside it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "skin/stream/SkinArchive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TSkinReader reader;
    if (!reader.ReadArchive(std::vector<uint8_t>(data, data + size))) return 0;
    for (const TSkinReader::Entry& entry : reader.Entries()) {
        if (entry.Offset + entry.Size > size) std::abort();
        if (reader.Find(entry.Name) == nullptr) std::abort();
        reader.Data(entry).At(0, entry.Size);
    }
    reader.FindContaining(".ini");
    return 0;
}
