// Any bytes as a skin description, parsed on its own and then loaded as a
// whole skin beside a few small bitmaps, so the loader's derived pictures
// (frame counts, combo image, gradients) meet every value too.
#include <cstddef>
#include <cstdint>

#include "skin/SkinData.h"
#include "skin/SkinIni.h"
#include "tools/BitmapWriter.h"
#include "tools/LzhEncoder.h"
#include "tools/SkinArchiveWriter.h"

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
    std::vector<uint8_t> archive = PackSkinArchive(entries);
    std::vector<uint8_t> stream = LzhEncode(archive.data(), archive.size());
    std::vector<uint8_t> property(4 + stream.size());
    for (int i = 0; i < 4; ++i) property[i] = uint8_t(stream.size() >> (8 * i));
    std::copy(stream.begin(), stream.end(), property.begin() + 4);

    static const TSkinHost host;
    TSkinData skin(host);
    skin.ReadSkinStream(ByteView(property.data(), property.size(), "damaged"));
    return 0;
}
