#pragma once
#include <windows.h>

#include <optional>
#include <string_view>

#include "base/ButtonGlyph.h"
#include "base/win32/Handles.h"

// The glyph of a bitmap or speed button: a bitmap of NumGlyphs equal cells
// side by side (up, disabled, pressed, stays down). The colour of its
// bottom-left pixel is transparent.
class TGlyph {
public:
    TGlyph() = default;
    // Keeps a copy of the bitmap; the caller keeps its own.
    TGlyph(HBITMAP bitmap, int numGlyphs);

    bool Empty() const { return !FBitmap; }
    HBITMAP Bitmap() const { return FBitmap.Get(); }
    int NumGlyphs() const { return FNumGlyphs; }
    TExtent CellSize() const { return FCell; }
    // Draws the cell of the state with its top-left corner at (x, y).
    void Draw(HDC dc, int x, int y, TButtonState state) const;

private:
    void DrawGreyed(HDC dc, HDC cells, int x, int y) const;

    TBitmap FBitmap;
    int FNumGlyphs = 1;
    TExtent FCell;
    COLORREF FTransparent = 0;
};

// What a bitmap or speed button shows on its face.
struct TButtonFace {
    const TGlyph& Glyph;
    TGlyphLayout Layout;
    TButtonState State;
    std::string_view Caption;  // GBK
    HFONT Font;
    // The caption's colour, in every state; without one the system's
    // button text, etched while disabled.
    std::optional<COLORREF> Colour = std::nullopt;
};

// Draws glyph and caption into the face's area, laid out by the glyph
// layout.
void DrawGlyphAndCaption(HDC dc, const RECT& area, const TButtonFace& face);
