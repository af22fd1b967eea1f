#include "skin/stream/BitmapReader.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

// The bytes from offset to the end; an offset past the end is damage.
ByteView Rest(ByteView bytes, uint64_t offset) {
    if (offset > bytes.Size()) bytes.Fail();
    return bytes.Sub(offset, bytes.Size() - offset);
}

constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;

struct DibLayout {
    int Width = 0;
    int Height = 0;
    bool TopDown = false;
    int BitsPerPixel = 0;
    uint32_t HeaderSize = 0;
    uint32_t PaletteEntrySize = 4;
    uint32_t PaletteCount = 0;
};

DibLayout ReadLayout(ByteView dib) {
    DibLayout layout;
    layout.HeaderSize = dib.U32(0);
    int64_t height = 0;
    if (layout.HeaderSize == kCoreHeaderSize) {
        layout.Width = int(dib.U16(4));
        height = dib.U16(6);
        layout.BitsPerPixel = int(dib.U16(10));
        layout.PaletteEntrySize = 3;
    } else if (layout.HeaderSize >= kInfoHeaderSize && dib.Contains(0, layout.HeaderSize)) {
        layout.Width = dib.I32(4);
        height = dib.I32(8);
        layout.BitsPerPixel = int(dib.U16(14));
        if (dib.U32(16) != 0) dib.Fail();  // only uncompressed pixels
        layout.PaletteCount = dib.U32(32);
    } else {
        dib.Fail();
    }
    layout.TopDown = height < 0;
    layout.Height = int(std::llabs(height));
    const std::array<int, 5> depths = {1, 4, 8, 24, 32};
    if (std::find(depths.begin(), depths.end(), layout.BitsPerPixel) == depths.end()) dib.Fail();
    if (layout.Width <= 0 || layout.Height <= 0 || layout.Width > kMaxBitmapSide ||
        layout.Height > kMaxBitmapSide || int64_t(layout.Width) * layout.Height > kMaxBitmapPixels)
        dib.Fail();
    uint32_t fullPalette = layout.BitsPerPixel <= 8 ? 1u << layout.BitsPerPixel : 0;
    if (layout.PaletteCount == 0 || layout.PaletteEntrySize == 3) layout.PaletteCount = fullPalette;
    if (layout.PaletteCount > 256) dib.Fail();
    return layout;
}

std::vector<Pixel> ReadPalette(ByteView dib, const DibLayout& layout) {
    std::vector<Pixel> palette(layout.PaletteCount);
    for (uint32_t i = 0; i < layout.PaletteCount; ++i) {
        const uint8_t* entry = dib.At(layout.HeaderSize + uint64_t(i) * layout.PaletteEntrySize, 3);
        palette[i] = Pixel(entry[2]) << 16 | Pixel(entry[1]) << 8 | entry[0];
    }
    return palette;
}

Pixel PixelOfRow(const uint8_t* row, int x, int bitsPerPixel, const std::vector<Pixel>& palette) {
    if (bitsPerPixel >= 24) {
        const uint8_t* p = row + size_t(x) * (bitsPerPixel / 8);
        return Pixel(p[2]) << 16 | Pixel(p[1]) << 8 | p[0];
    }
    int perByte = 8 / bitsPerPixel;
    int shift = 8 - bitsPerPixel * (x % perByte + 1);
    unsigned index = row[x / perByte] >> shift & ((1u << bitsPerPixel) - 1);
    return index < palette.size() ? palette[index] : 0;  // beyond the table: black
}

PixelBuffer ReadPixels(ByteView dib, const DibLayout& layout, ByteView pixels) {
    std::vector<Pixel> palette = ReadPalette(dib, layout);
    uint64_t stride = (uint64_t(layout.Width) * layout.BitsPerPixel + 31) / 32 * 4;
    // The last row needs only its used bytes; some writers leave out the padding.
    uint64_t used = (uint64_t(layout.Width) * layout.BitsPerPixel + 7) / 8;
    pixels.At(0, stride * (layout.Height - 1) + used);

    PixelBuffer image(layout.Width, layout.Height);
    for (int y = 0; y < layout.Height; ++y) {
        int stored = layout.TopDown ? y : layout.Height - 1 - y;
        const uint8_t* row = pixels.Data() + stride * stored;
        Pixel* out = image.Row(y);
        for (int x = 0; x < layout.Width; ++x) out[x] = PixelOfRow(row, x, layout.BitsPerPixel, palette);
    }
    return image;
}

}  // namespace

PixelBuffer ReadBitmapFile(ByteView file) {
    if (file.U16(0) != 0x4D42) file.Fail();  // "BM"
    uint32_t pixelsAt = file.U32(10);
    ByteView dib = Rest(file, 14);
    return ReadPixels(dib, ReadLayout(dib), Rest(file, pixelsAt));
}

PixelBuffer ReadPackedBitmap(ByteView dib) {
    DibLayout layout = ReadLayout(dib);
    uint64_t pixelsAt = layout.HeaderSize + uint64_t(layout.PaletteCount) * layout.PaletteEntrySize;
    return ReadPixels(dib, layout, Rest(dib, pixelsAt));
}
