// Any bytes as a skin description, parsed on its own and then loaded as a
// whole skin beside a few small bitmaps, so the loader's derived pictures
// (frame counts, combo image, gradients) meet every value too.
#include <cstddef>
#include <cstdint>

#include "skin/stream/SkinIni.h"
#include "tests/fuzz/LoadArchive.h"
#include "tools/skin/BitmapWriter.h"
#include "tools/skin/SkinArchiveWriter.h"

namespace {

std::vector<ArchiveEntry> Bitmaps() {
    std::vector<ArchiveEntry> entries;
    int sizes[][2] = {{1, 1}, {12, 4}, {50, 21}, {3, 40}};
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp", "d.bmp"}) {
        int* size = sizes[entries.size()];
        PixelBuffer image(size[0], size[1], 0xFF00FF);
        image.Set(0, 0, 0x123456);
        entries.push_back({name, WriteBitmapFile(image)});
    }
    return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    TSkinIni ini(text);
    for (const std::string& section : ini.Sections()) {
        ini.ReadString(section, "Image", "");
        ini.ReadInteger(section, "Frame", 0);
        ini.ReadColor(section, "color", 0);
    }

    static const std::vector<ArchiveEntry> bitmaps = Bitmaps();
    std::vector<ArchiveEntry> entries = bitmaps;
    entries.push_back({"fuzz.ini", std::vector<uint8_t>(data, data + size)});
    static const TSkinHost host;
    TSkinData skin(host);
    LoadArchive(skin, PackSkinArchive(entries));
    return 0;
}
