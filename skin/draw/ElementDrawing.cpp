#include "skin/draw/ElementDrawing.h"

#include <algorithm>
#include <array>

namespace {

// One axis of the nine-part split: where the three bands lie in the source
// cell and in the target.
struct Bands {
    std::array<int, 4> Source;  // band k is [Source[k], Source[k + 1])
    std::array<int, 4> Target;
};

Bands SplitAxis(int cellStart, int cellLength, int targetLength, int first, int last) {
    first = std::max(first, 0);
    last = std::max(last, 0);
    // In 64 bits: two margins near 2^30 each must not wrap to a sum that fits.
    if (int64_t(targetLength) < int64_t(first) + last) first = last = 0;
    // A cell smaller than its margins gives what it has; nothing is read outside it.
    int firstEnd = std::min(first, cellLength);
    int lastStart = std::clamp(cellLength - last, firstEnd, cellLength);
    return {{cellStart, cellStart + firstEnd, cellStart + lastStart, cellStart + cellLength},
            {0, first, targetLength - last, targetLength}};
}

// Source coordinate of a target pixel: nearest pixel when stretching
// (colour-on-colour), wrapped when tiling.
int SourceOf(int offset, int sourceLength, int targetLength, bool tile) {
    if (tile) return offset % sourceLength;
    return int((2 * int64_t(offset) + 1) * sourceLength / (2 * int64_t(targetLength)));
}

void FillPiece(PixelBuffer& out, const PixelBuffer& image, Rect from, Rect to, bool tile) {
    if (from.Empty() || to.Empty()) return;
    for (int y = 0; y < to.Height; ++y) {
        const Pixel* source = image.Row(from.Top + SourceOf(y, from.Height, to.Height, tile));
        Pixel* target = out.Row(to.Top + y) + to.Left;
        for (int x = 0; x < to.Width; ++x)
            target[x] = source[from.Left + SourceOf(x, from.Width, to.Width, tile)];
    }
}

}  // namespace

Rect FrameCell(const ElementPicture& element, int frame) {
    const PixelBuffer& image = *element.Image;
    int count = std::max(element.FrameCount, 1);
    int index = std::clamp(frame, 1, count) - 1;
    if (element.States == StateLayout::Stacked) {
        int height = image.Height() / count;
        return {0, height * index, image.Width(), height};
    }
    int width = image.Width() / count;
    return {width * index, 0, width, image.Height()};
}

PixelBuffer ComposeElement(const ElementPicture& element, int frame, int width, int height) {
    PixelBuffer out(width, height, kMagenta);
    if (!element.Image || element.Image->Empty() || out.Empty()) return out;
    Rect cell = FrameCell(element, frame);
    if (cell.Empty()) return out;
    Bands columns = SplitAxis(cell.Left, cell.Width, width, element.LeftWidth, element.RightWidth);
    Bands rows = SplitAxis(cell.Top, cell.Height, height, element.TopHeight, element.BottomHeight);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            Rect from{columns.Source[column], rows.Source[row],
                      columns.Source[column + 1] - columns.Source[column],
                      rows.Source[row + 1] - rows.Source[row]};
            Rect to{columns.Target[column], rows.Target[row],
                    columns.Target[column + 1] - columns.Target[column],
                    rows.Target[row + 1] - rows.Target[row]};
            bool tile = element.Tile && row == 1 && column == 1;
            FillPiece(out, *element.Image, from, to, tile);
        }
    }
    return out;
}

void DrawElement(PixelBuffer& target, Rect area, const ElementPicture& element, int frame) {
    if (area.Empty()) return;
    PixelBuffer piece = ComposeElement(element, frame, area.Width, area.Height);
    target.Paste(piece, area.Left, area.Top, element.Transparent);
}
