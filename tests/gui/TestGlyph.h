#pragma once
#include <windows.h>

#include "base/win32/Handles.h"
#include "gui/WinControl.h"

// Glyphs for the tests of bitmap and speed buttons: a dot in each 16-pixel
// cell on a magenta background, each cell's dot in its own colour.
inline constexpr int kTestGlyphSize = 16;
inline constexpr COLORREF kTestGlyphBackground = RGB(255, 0, 255);
inline constexpr COLORREF kTestGlyphDots[] = {RGB(40, 90, 200), RGB(150, 150, 150), RGB(20, 40, 120),
                                              RGB(30, 150, 60)};

inline TBitmap MakeTestGlyph(int cells) {
    TWindowDC screen(nullptr);
    TBitmap glyph(CreateCompatibleBitmap(screen.Get(), kTestGlyphSize * cells, kTestGlyphSize));
    TMemoryDC dc(CreateCompatibleDC(screen.Get()));
    TSelection selected(dc.Get(), glyph.Get());
    RECT all = {0, 0, kTestGlyphSize * cells, kTestGlyphSize};
    FillRect(dc.Get(), &all, SolidBrush(kTestGlyphBackground));
    TSelection pen(dc.Get(), GetStockObject(NULL_PEN));
    for (int cell = 0; cell < cells; ++cell) {
        TSelection brush(dc.Get(), SolidBrush(kTestGlyphDots[cell]));
        int left = cell * kTestGlyphSize;
        Ellipse(dc.Get(), left + 2, 2, left + kTestGlyphSize - 1, kTestGlyphSize - 1);
    }
    return glyph;
}
