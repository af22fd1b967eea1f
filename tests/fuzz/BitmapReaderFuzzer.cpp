// Any bytes as a bitmap file and as a packed bitmap: a picture of the
// size the header claims, or an error.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "skin/stream/BitmapReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ByteView bytes(data, size, kBitmapDamaged);
    for (auto read : {&ReadBitmapFile, &ReadPackedBitmap}) {
        try {
            PixelBuffer image = read(bytes);
            if (image.Pixels().size() != size_t(image.Width()) * size_t(image.Height())) std::abort();
        } catch (const Exception&) {
        }
    }
    return 0;
}
