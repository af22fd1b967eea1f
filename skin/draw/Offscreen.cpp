#include "skin/draw/Offscreen.h"

#include <algorithm>

TOffscreen::TOffscreen(int width, int height)
    : FWidth(std::max(width, 1)), FHeight(std::max(height, 1)), FDC(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = FWidth;
    info.bmiHeader.biHeight = -FHeight;  // top-down, as PixelBuffer
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    FBitmap.Reset(CreateDIBSection(FDC.Get(), &info, DIB_RGB_COLORS, &FBits, nullptr, 0));
    if (!FBitmap) {
        // Nothing to draw on: GDI calls on the bare memory DC do no harm.
        FBits = nullptr;
        return;
    }
    FPrevious = SelectObject(FDC.Get(), FBitmap.Get());
}

// The bitmap leaves the DC before either goes.
TOffscreen::~TOffscreen() {
    if (FPrevious) SelectObject(FDC.Get(), FPrevious);
}

Pixel* TOffscreen::Bits() const {
    GdiFlush();  // GDI's drawing must land before the pixels are touched
    return static_cast<Pixel*>(FBits);
}

void TOffscreen::Draw(const PixelBuffer& picture, int x, int y) {
    if (Pixel* bits = Bits()) LayOver(bits, FWidth, FHeight, picture, x, y, false);
}

void TOffscreen::Fill(COLORREF color) {
    Pixel* bits = Bits();
    if (bits) std::fill_n(bits, size_t(FWidth) * FHeight, PixelFromColor(TColor(color)));
}

PixelBuffer TOffscreen::Pixels() const {
    PixelBuffer picture(FWidth, FHeight);
    if (const Pixel* bits = Bits())
        for (int row = 0; row < FHeight; ++row) std::copy_n(bits + size_t(row) * FWidth, FWidth, picture.Row(row));
    return picture;
}

void TOffscreen::CopyTo(HDC dc, int x, int y) const { BitBlt(dc, x, y, FWidth, FHeight, FDC.Get(), 0, 0, SRCCOPY); }

void TOffscreen::CopyFrom(HDC dc, int x, int y) { BitBlt(FDC.Get(), 0, 0, FWidth, FHeight, dc, x, y, SRCCOPY); }

void DrawElement(TOffscreen& canvas, Rect area, const ElementPicture& element, int frame) {
    Pixel* bits = canvas.Bits();
    if (!bits || area.Empty()) return;
    LayOver(bits, canvas.FWidth, canvas.FHeight, ComposeElement(element, frame, area.Width, area.Height), area.Left,
            area.Top, element.Transparent);
}
