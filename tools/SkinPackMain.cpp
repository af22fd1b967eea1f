// skinpack OUTPUT DESCRIPTION BITMAP-DIR: packs the description and every
// .bmp of the directory (in name order) into a skin archive, compresses it
// and writes it as the SkinStream property of a form: count, then stream.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>

#include "tools/FileIo.h"
#include "tools/LzhEncoder.h"
#include "tools/SkinArchiveWriter.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: skinpack OUTPUT DESCRIPTION BITMAP-DIR\n");
        return 2;
    }
    try {
        std::vector<fs::path> bitmaps;
        for (const fs::directory_entry& entry : fs::directory_iterator(argv[3]))
            if (entry.path().extension() == ".bmp") bitmaps.push_back(entry.path());
        std::sort(bitmaps.begin(), bitmaps.end());

        std::vector<ArchiveEntry> entries;
        for (const fs::path& bitmap : bitmaps) entries.push_back({bitmap.filename().string(), ReadWholeFile(bitmap.string())});
        entries.push_back({fs::path(argv[2]).filename().string(), ReadWholeFile(argv[2])});

        std::vector<uint8_t> archive = PackSkinArchive(entries);
        std::vector<uint8_t> stream = LzhEncode(archive.data(), archive.size());
        std::vector<uint8_t> property(4 + stream.size());
        for (int i = 0; i < 4; ++i) property[i] = uint8_t(stream.size() >> (8 * i));
        std::copy(stream.begin(), stream.end(), property.begin() + 4);
        WriteWholeFile(argv[1], property);
        std::printf("skinpack: %zu entries, %zu bytes packed, %zu compressed\n", entries.size(), archive.size(),
                    stream.size());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skinpack: %s\n", e.what());
        return 1;
    }
    return 0;
}
