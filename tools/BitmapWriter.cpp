#include "tools/BitmapWriter.h"

namespace {

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(value >> (8 * i)));
}

}  // namespace

std::vector<uint8_t> WriteBitmapFile(const PixelBuffer& image) {
    constexpr uint32_t kHeaders = 14 + 40;
    uint32_t stride = (uint32_t(image.Width()) * 3 + 3) & ~3u;
    uint32_t pixelBytes = stride * uint32_t(image.Height());
    std::vector<uint8_t> out;
    out.reserve(kHeaders + pixelBytes);
    Put(out, 0x4D42, 2);  // "BM"
    Put(out, kHeaders + pixelBytes, 4);
    Put(out, 0, 4);
    Put(out, kHeaders, 4);
    Put(out, 40, 4);
    Put(out, uint32_t(image.Width()), 4);
    Put(out, uint32_t(image.Height()), 4);
    Put(out, 1, 2);   // planes
    Put(out, 24, 2);  // bits per pixel
    Put(out, 0, 4);   // uncompressed
    Put(out, pixelBytes, 4);
    Put(out, 2835, 4);  // 72 dots per inch
    Put(out, 2835, 4);
    Put(out, 0, 4);
    Put(out, 0, 4);
    for (int y = image.Height() - 1; y >= 0; --y) {
        const Pixel* row = image.Row(y);
        for (int x = 0; x < image.Width(); ++x) Put(out, row[x], 3);
        for (uint32_t pad = uint32_t(image.Width()) * 3; pad < stride; ++pad) out.push_back(0);
    }
    return out;
}
