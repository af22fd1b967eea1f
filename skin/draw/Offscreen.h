#pragma once
#include <windows.h>

#include "base/win32/Handles.h"
#include "skin/draw/ElementDrawing.h"
#include "skin/draw/PixelBuffer.h"

// A 32-bit picture in memory that both the skin's composing (pixels) and
// GDI (text, icons) draw on, and that reaches a device in one copy.
class TOffscreen {
public:
    TOffscreen(int width, int height);
    ~TOffscreen();
    TOffscreen(const TOffscreen&) = delete;
    TOffscreen& operator=(const TOffscreen&) = delete;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    HDC DC() const { return FDC.Get(); }

    // Lays a picture on, at (x, y), every pixel of it.
    void Draw(const PixelBuffer& picture, int x, int y);
    void Fill(COLORREF color);
    // What is on the picture now.
    PixelBuffer Pixels() const;
    // Copies the whole picture to dc at (x, y), or takes what dc shows there.
    void CopyTo(HDC dc, int x, int y) const;
    void CopyFrom(HDC dc, int x, int y);

private:
    friend void DrawElement(TOffscreen& canvas, Rect area, const ElementPicture& element, int frame);
    Pixel* Bits() const;

    int FWidth, FHeight;
    TMemoryDC FDC;
    TBitmap FBitmap;
    void* FBits = nullptr;
    HGDIOBJ FPrevious = nullptr;
};

// The one way a skin element reaches a canvas: in the frame, at the area,
// by the nine-part rule, leaving out magenta when the element is
// transparent.
void DrawElement(TOffscreen& canvas, Rect area, const ElementPicture& element, int frame);
