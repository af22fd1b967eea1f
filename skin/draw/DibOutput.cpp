#include "skin/draw/DibOutput.h"

#include <algorithm>

#include "base/win32/Handles.h"

namespace {

// A 32-bit top-down DIB header; its pixel layout is PixelBuffer's.
BITMAPINFO TopDownInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace

void DrawPixelBuffer(HDC dc, int x, int y, const PixelBuffer& picture) {
    if (picture.Empty()) return;
    BITMAPINFO info = TopDownInfo(picture.Width(), picture.Height());
    SetDIBitsToDevice(dc, x, y, picture.Width(), picture.Height(), 0, 0, 0, picture.Height(),
                      picture.Pixels().data(), &info, DIB_RGB_COLORS);
}

void DrawPixelBufferTransparent(HDC dc, int x, int y, const PixelBuffer& picture) {
    if (picture.Empty()) return;
    // Read what the device shows under the picture, lay the picture over it
    // and put the result back in one copy.
    BITMAPINFO info = TopDownInfo(picture.Width(), picture.Height());
    void* bits = nullptr;
    TBitmap canvas(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    TMemoryDC memory(CreateCompatibleDC(dc));
    if (!canvas || !memory) return;
    TSelection selected(memory.Get(), canvas.Get());
    BitBlt(memory.Get(), 0, 0, picture.Width(), picture.Height(), dc, x, y, SRCCOPY);
    GdiFlush();
    auto* under = static_cast<Pixel*>(bits);
    const std::vector<Pixel>& over = picture.Pixels();
    for (size_t i = 0; i < over.size(); ++i)
        if (over[i] != kMagenta) under[i] = over[i];
    BitBlt(dc, x, y, picture.Width(), picture.Height(), memory.Get(), 0, 0, SRCCOPY);
}
