// skinart SKIN-DIR RESOURCE-DIR: draws the bitmaps of Quorvik's skin into
// SKIN-DIR and the program's own bitmaps (menu glyphs, track channels)
// into RESOURCE-DIR.
#include <cstdio>
#include <exception>

#include "tools/BitmapWriter.h"
#include "tools/FileIo.h"
#include "tools/SkinArt.h"

namespace {

void WriteAll(const std::string& directory, const std::vector<NamedImage>& images, const char* suffix) {
    for (const NamedImage& image : images) WriteWholeFile(directory + "/" + image.Name + suffix, WriteBitmapFile(image.Image));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: skinart SKIN-DIR RESOURCE-DIR\n");
        return 2;
    }
    try {
        WriteAll(argv[1], DrawWindowImages(), "");
        WriteAll(argv[1], DrawControlImages(), "");
        WriteAll(argv[2], DrawProgramImages(), ".bmp");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skinart: %s\n", e.what());
        return 1;
    }
    return 0;
}
