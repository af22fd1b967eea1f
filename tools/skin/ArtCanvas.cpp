#include "tools/skin/ArtCanvas.h"

#include <algorithm>
#include <utility>

void ArtCanvas::Dot(int x, int y, Pixel pixel) {
    if (x >= 0 && y >= 0 && x < FImage.Width() && y < FImage.Height()) FImage.Set(x, y, pixel);
}

void ArtCanvas::Frame(Rect a, Pixel pixel) {
    Fill({a.Left, a.Top, a.Width, 1}, pixel);
    Fill({a.Left, a.Top + a.Height - 1, a.Width, 1}, pixel);
    Fill({a.Left, a.Top, 1, a.Height}, pixel);
    Fill({a.Left + a.Width - 1, a.Top, 1, a.Height}, pixel);
}

void ArtCanvas::Bevel(Rect a, Pixel topLeft, Pixel bottomRight) {
    Fill({a.Left, a.Top, a.Width, 1}, topLeft);
    Fill({a.Left, a.Top, 1, a.Height}, topLeft);
    Fill({a.Left, a.Top + a.Height - 1, a.Width, 1}, bottomRight);
    Fill({a.Left + a.Width - 1, a.Top, 1, a.Height}, bottomRight);
}

void ArtCanvas::VerticalGradient(Rect a, Pixel top, Pixel bottom) {
    for (int y = 0; y < a.Height; ++y)
        Fill({a.Left, a.Top + y, a.Width, 1}, Blend(top, bottom, a.Height > 1 ? y * 255 / (a.Height - 1) : 0));
}

void ArtCanvas::HorizontalGradient(Rect a, Pixel left, Pixel right) {
    for (int x = 0; x < a.Width; ++x)
        Fill({a.Left + x, a.Top, 1, a.Height}, Blend(left, right, a.Width > 1 ? x * 255 / (a.Width - 1) : 0));
}

void ArtCanvas::CutCorners(Rect a) {
    int right = a.Left + a.Width - 1, bottom = a.Top + a.Height - 1;
    for (auto [x, y] : {std::pair{a.Left, a.Top}, {right, a.Top}, {a.Left, bottom}, {right, bottom}}) Dot(x, y, kMagenta);
}

void ArtCanvas::RoundedFrame(Rect a, Pixel outline) {
    int right = a.Left + a.Width - 1, bottom = a.Top + a.Height - 1;
    // The pixel diagonally inside each corner joins the two edges.
    for (auto [x, y] : {std::pair{a.Left + 1, a.Top + 1}, {right - 1, a.Top + 1}, {a.Left + 1, bottom - 1},
                        {right - 1, bottom - 1}})
        if (FImage.At(x, y) != kMagenta) Dot(x, y, Blend(outline, FImage.At(x, y), 110));
    Fill({a.Left + 1, a.Top, a.Width - 2, 1}, outline);
    Fill({a.Left + 1, bottom, a.Width - 2, 1}, outline);
    Fill({a.Left, a.Top + 1, 1, a.Height - 2}, outline);
    Fill({right, a.Top + 1, 1, a.Height - 2}, outline);
    CutCorners(a);
}

void ArtCanvas::Glyph(const GlyphMask& rows, int x, int y, Pixel pixel) {
    int row = 0;
    for (std::string_view line : rows) {
        for (size_t column = 0; column < line.size(); ++column)
            if (line[column] == '#') Dot(x + int(column), y + row, pixel);
        ++row;
    }
}

void ArtCanvas::GlyphCentred(const GlyphMask& rows, Rect area, Pixel pixel) {
    int width = 0;
    for (std::string_view line : rows) width = std::max(width, int(line.size()));
    Glyph(rows, area.Left + (area.Width - width) / 2, area.Top + (area.Height - int(rows.size())) / 2, pixel);
}
