#pragma once
#include <windows.h>

#include "base/win32/Handles.h"
#include "skin/data/SkinData.h"
#include "skin/draw/PixelBuffer.h"

// What a loaded skin needs of the system besides its elements: the
// program's menu glyphs, the application icon as a bitmap, the system's
// caption font, the size of a maximised window, and a brush of the skin's
// button face. Kept beside the skin data, as its platform data.
class TSkinGdi : public TSkinPlatformData {
public:
    static constexpr int kGlyphSize = 16;

    explicit TSkinGdi(const TSkinData& skin);

    // 16 x 16 glyphs side by side (restore, maximise, minimise, close);
    // white is transparent.
    const PixelBuffer& MenuGlyphs() const { return FMenuGlyphs; }
    int MenuGlyphCount() const { return FMenuGlyphs.Width() / kGlyphSize; }
    // The program's icon at small-icon size on magenta (transparent).
    const PixelBuffer& ApplicationIcon() const { return FApplicationIcon; }
    HFONT CaptionFont() const { return FCaptionFont.Get(); }
    SIZE MaximisedSize() const { return FMaximisedSize; }
    HBRUSH ButtonFaceBrush() const { return FButtonFace.Get(); }
    // After the skin changed: the brush follows its button face colour.
    void Refresh(const TSkinData& skin);

private:
    PixelBuffer FMenuGlyphs;
    PixelBuffer FApplicationIcon;
    TFontHandle FCaptionFont;
    SIZE FMaximisedSize = {};
    TBrush FButtonFace;
};

// The skin's companion, made on first use.
TSkinGdi& SkinGdiOf(TSkinData& skin);

// A child's colour message to a bare window that shows the skin's button
// face: texts go transparent, static ones on the face's brush; native is
// what the window itself answered, kept for the other kinds.
LRESULT ColourOnButtonFace(TSkinData& skin, UINT message, HDC dc, LRESULT native);

// A skin colour as GDI takes it.
inline COLORREF ToColorRef(TColor color) { return COLORREF(color & 0xFFFFFF); }

// Rectangles between the skin's geometry and GDI.
inline RECT ToRECT(Rect area) { return {area.Left, area.Top, area.Left + area.Width, area.Top + area.Height}; }
inline Rect FromRECT(const RECT& area) { return {area.left, area.top, area.right - area.left, area.bottom - area.top}; }
