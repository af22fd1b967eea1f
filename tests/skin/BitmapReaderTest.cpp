#include <gtest/gtest.h>

#include "skin/stream/BitmapReader.h"

namespace {

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(value >> (8 * i)));
}

// A bitmap file written field by field: info header, colour table (blue,
// green, red, 0) and the rows exactly as given (padding included).
std::vector<uint8_t> BitmapFile(int32_t width, int32_t height, int bits, const std::vector<uint32_t>& palette,
                                const std::vector<uint8_t>& rows, uint32_t compression = 0) {
    std::vector<uint8_t> out;
    uint32_t pixelsAt = 14 + 40 + 4 * uint32_t(palette.size());
    Put(out, 0x4D42, 2);
    Put(out, pixelsAt + uint32_t(rows.size()), 4);
    Put(out, 0, 4);
    Put(out, pixelsAt, 4);
    Put(out, 40, 4);
    Put(out, uint32_t(width), 4);
    Put(out, uint32_t(height), 4);
    Put(out, 1, 2);
    Put(out, uint32_t(bits), 2);
    Put(out, compression, 4);
    Put(out, uint32_t(rows.size()), 4);
    Put(out, 0, 4);
    Put(out, 0, 4);
    Put(out, uint32_t(palette.size()), 4);
    Put(out, 0, 4);
    for (uint32_t colour : palette) Put(out, colour, 4);
    out.insert(out.end(), rows.begin(), rows.end());
    return out;
}

PixelBuffer Read(const std::vector<uint8_t>& file) {
    return ReadBitmapFile(ByteView(file.data(), file.size(), kBitmapDamaged));
}

std::vector<Pixel> PixelsOf(const PixelBuffer& image) { return image.Pixels(); }

constexpr Pixel kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

TEST(BitmapReader, TwentyFourBits_BottomUpRowsArePutTopDown) {
    // 2x2, rows padded to 8 bytes; the first stored row is the bottom one.
    std::vector<uint8_t> rows = {0xFF, 0, 0, 0, 0xFF, 0, 0, 0,   // bottom: blue, green
                                 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0};  // top: red, white
    PixelBuffer image = Read(BitmapFile(2, 2, 24, {}, rows));
    EXPECT_EQ(PixelsOf(image), (std::vector<Pixel>{kRed, kWhite, kBlue, kGreen}));
}

TEST(BitmapReader, NegativeHeight_MeansTopDown) {
    std::vector<uint8_t> rows = {0xFF, 0, 0, 0, 0, 0, 0xFF, 0};  // blue, then red (32 bits, alpha ignored)
    PixelBuffer image = Read(BitmapFile(1, -2, 32, {}, rows));
    EXPECT_EQ(PixelsOf(image), (std::vector<Pixel>{kBlue, kRed}));
}

TEST(BitmapReader, PalettedDepths_LookUpTheirColourTable) {
    std::vector<uint32_t> palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    // 1 bit: 10 pixels 1010000011 in one row of 4 bytes.
    EXPECT_EQ(PixelsOf(Read(BitmapFile(10, 1, 1, {0, 0xFFFFFF}, {0xA0, 0xC0, 0, 0}))),
              (std::vector<Pixel>{kWhite, 0, kWhite, 0, 0, 0, 0, 0, kWhite, kWhite}));
    // 4 bits: 3 pixels 1, 2, 3.
    EXPECT_EQ(PixelsOf(Read(BitmapFile(3, 1, 4, palette, {0x12, 0x30, 0, 0}))),
              (std::vector<Pixel>{kRed, kGreen, kBlue}));
    // 8 bits, index beyond the table: black.
    EXPECT_EQ(PixelsOf(Read(BitmapFile(3, 1, 8, palette, {3, 200, 1, 0}))), (std::vector<Pixel>{kBlue, 0, kRed}));
}

TEST(BitmapReader, PalettedWithoutCount_UsesTheFullTable) {
    std::vector<uint32_t> palette(16, 0);
    palette[15] = 0x0000FF;
    std::vector<uint8_t> file = BitmapFile(1, 1, 4, palette, {0xF0, 0, 0, 0});
    file[14 + 32] = 0;  // colours used: 0 means all 16
    EXPECT_EQ(PixelsOf(Read(file)), (std::vector<Pixel>{kBlue}));
}

TEST(BitmapReader, LastRowWithoutPadding_IsRead) {
    PixelBuffer image = Read(BitmapFile(1, 1, 24, {}, {0, 0, 0xFF}));
    EXPECT_EQ(PixelsOf(image), (std::vector<Pixel>{kRed}));
}

TEST(BitmapReader, PackedBitmap_HasItsPixelsRightAfterTheColourTable) {
    std::vector<uint8_t> file = BitmapFile(2, 1, 8, {0x00FF00, 0xFF0000}, {1, 0, 0, 0});
    std::vector<uint8_t> dib(file.begin() + 14, file.end());
    PixelBuffer image = ReadPackedBitmap(ByteView(dib.data(), dib.size(), kBitmapDamaged));
    EXPECT_EQ(PixelsOf(image), (std::vector<Pixel>{kRed, kGreen}));
}

TEST(BitmapReader, CoreHeader_ReadsThreeByteColours) {
    std::vector<uint8_t> dib;
    Put(dib, 12, 4);
    Put(dib, 2, 2);
    Put(dib, 1, 2);
    Put(dib, 1, 2);
    Put(dib, 1, 2);
    Put(dib, 0xFF0000, 3);  // index 0: blue 0, green 0, red FF
    Put(dib, 0x0000FF, 3);  // index 1: blue FF
    dib.insert(dib.end(), {0x40, 0, 0, 0});
    PixelBuffer image = ReadPackedBitmap(ByteView(dib.data(), dib.size(), kBitmapDamaged));
    EXPECT_EQ(PixelsOf(image), (std::vector<Pixel>{kRed, kBlue}));
}

TEST(BitmapReader, ImpossibleOrUnsupportedBitmaps_AreDamage) {
    std::vector<uint8_t> row = {0, 0, 0, 0};
    std::vector<std::vector<uint8_t>> bad = {
        BitmapFile(0, 1, 24, {}, row),                       // no width
        BitmapFile(-1, 1, 24, {}, row),                      // negative width
        BitmapFile(1, 0, 24, {}, row),                       // no height
        BitmapFile(1, int32_t(0x80000000), 24, {}, row),     // height that cannot be negated
        BitmapFile(16385, 1, 24, {}, row),                   // wider than any skin image
        BitmapFile(8000, 8000, 24, {}, row),                 // too many pixels
        BitmapFile(100, 100, 24, {}, row),                   // rows past the end
        BitmapFile(1, 1, 16, {}, row),                       // unsupported depth
        BitmapFile(1, 1, 8, {}, row, 1),                     // run-length compressed
        BitmapFile(1, 1, 8, std::vector<uint32_t>(257), row),  // colour table too long
        {'B', 'M', 0},                                        // truncated header
    };
    std::vector<uint8_t> wrongMagic = BitmapFile(1, 1, 24, {}, row);
    wrongMagic[0] = 'X';
    bad.push_back(wrongMagic);
    std::vector<uint8_t> pixelsPastEnd = BitmapFile(1, 1, 24, {}, row);
    pixelsPastEnd[10] = 0xFF;
    bad.push_back(pixelsPastEnd);
    for (size_t i = 0; i < bad.size(); ++i) EXPECT_THROW(Read(bad[i]), Exception) << i;
}

}  // namespace
