// Draws Quorvik's icon, a globe with a location pin, in the 16 colours of
// the classic Windows palette, and writes it as a .ico file with a 16 x 16
// and a 32 x 32 image.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

const uint8_t kPalette[16][3] = {
    {0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},  {255, 255, 0},
    {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
enum Colour { Maroon = 1, Green = 2, Navy = 4, Red = 9, Lime = 10, Blue = 12, Aqua = 14, White = 15 };
const int kTransparent = -1;

using Image = std::vector<std::vector<int>>;

bool InEllipse(double x, double y, double cx, double cy, double rx, double ry) {
    double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1;
}

// Coordinates are in a 16-unit square whatever the size, so both images
// show the same drawing.
int GlobePixel(double x, double y) {
    const double cx = 6.5, cy = 9.0, r = 6.6;
    double distance = std::hypot(x - cx, y - cy);
    if (distance > r) return kTransparent;
    if (distance > r - 1.1) return Navy;
    bool land = InEllipse(x, y, 4.2, 6.8, 2.3, 1.6) || InEllipse(x, y, 3.6, 10.8, 1.4, 2.2) ||
                InEllipse(x, y, 8.8, 9.0, 1.8, 2.6) || InEllipse(x, y, 9.5, 13.3, 1.5, 0.9);
    if (land) return distance < r - 2.2 && x < cx ? Lime : Green;
    return (x - cx) + (y - cy) < -4 ? Aqua : Blue;
}

int PinPixel(double x, double y) {
    const double cx = 12.0, cy = 3.6, r = 3.1;
    double distance = std::hypot(x - cx, y - cy);
    if (distance <= r) {
        if (std::hypot(x - (cx - 1.0), y - (cy - 1.0)) < 0.9) return White;
        return distance > r - 0.9 ? Maroon : Red;
    }
    // The point: a narrowing wedge below the head.
    double below = y - (cy + r * 0.6);
    if (below >= 0 && below < 4.2 && std::fabs(x - cx) <= 1.6 * (1 - below / 4.2)) return Maroon;
    return kTransparent;
}

Image Draw(int size) {
    Image image(size, std::vector<int>(size));
    double scale = 16.0 / size;
    for (int row = 0; row < size; ++row)
        for (int column = 0; column < size; ++column) {
            double x = (column + 0.5) * scale, y = (row + 0.5) * scale;
            int pin = PinPixel(x, y);
            image[row][column] = pin != kTransparent ? pin : GlobePixel(x, y);
        }
    return image;
}

void PutU16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

// A 4-bit device-independent bitmap with its AND mask, bottom row first.
std::vector<uint8_t> IconImage(const Image& image) {
    int size = int(image.size());
    std::vector<uint8_t> out;
    PutU32(out, 40);
    PutU32(out, uint32_t(size));
    PutU32(out, uint32_t(size * 2));  // colour rows and mask rows
    PutU16(out, 1);
    PutU16(out, 4);
    for (int i = 0; i < 6; ++i) PutU32(out, 0);
    for (const auto& colour : kPalette) out.insert(out.end(), {colour[2], colour[1], colour[0], 0});
    int colourStride = (size / 2 + 3) / 4 * 4, maskStride = (size / 8 + 3) / 4 * 4;
    for (int row = size - 1; row >= 0; --row) {
        std::vector<uint8_t> line(colourStride);
        for (int column = 0; column < size; ++column) {
            int index = image[row][column] == kTransparent ? 0 : image[row][column];
            line[column / 2] |= uint8_t(column % 2 ? index : index << 4);
        }
        out.insert(out.end(), line.begin(), line.end());
    }
    for (int row = size - 1; row >= 0; --row) {
        std::vector<uint8_t> line(maskStride);
        for (int column = 0; column < size; ++column)
            if (image[row][column] == kTransparent) line[column / 8] |= uint8_t(0x80 >> column % 8);
        out.insert(out.end(), line.begin(), line.end());
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-icon OUTPUT.ico\n");
        return 2;
    }
    std::vector<std::vector<uint8_t>> images = {IconImage(Draw(16)), IconImage(Draw(32))};
    std::vector<uint8_t> file;
    PutU16(file, 0);
    PutU16(file, 1);
    PutU16(file, uint16_t(images.size()));
    uint32_t offset = 6 + 16 * uint32_t(images.size());
    int sizes[] = {16, 32};
    for (size_t i = 0; i < images.size(); ++i) {
        file.insert(file.end(), {uint8_t(sizes[i]), uint8_t(sizes[i]), 16, 0});
        PutU16(file, 1);
        PutU16(file, 4);
        PutU32(file, uint32_t(images[i].size()));
        PutU32(file, offset);
        offset += uint32_t(images[i].size());
    }
    for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    return out ? 0 : 1;
}
