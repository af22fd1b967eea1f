// skinpreview SKIN-STREAM PNG: loads a skin stream (the SkinStream
// property: count, then stream) and saves its contact sheet.
#include <cstdio>
#include <exception>

#include "skin/data/SkinData.h"
#include "tools/skin/FileIo.h"
#include "tools/skin/PngWriter.h"
#include "tools/skin/SkinPreview.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: skinpreview SKIN-STREAM PNG\n");
        return 2;
    }
    try {
        std::vector<uint8_t> property = ReadWholeFile(argv[1]);
        TSkinHost host;
        TSkinData skin(host);
        skin.ReadSkinStream(ByteView(property.data(), property.size(), "skin stream damaged"));
        if (skin.SkinEmpty()) {
            std::fprintf(stderr, "skinpreview: %s holds no readable skin\n", argv[1]);
            return 1;
        }
        WriteWholeFile(argv[2], WritePngFile(RenderContactSheet(skin)));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skinpreview: %s\n", e.what());
        return 1;
    }
    return 0;
}
