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
