#pragma once
#include <string>

#include "gui/Button.h"
#include "gui/Glyph.h"

// A push button with a glyph beside its caption.
class TBitBtn : public TButton {
public:
    struct Args {
        TBounds Bounds;
        std::string Caption;
        HBITMAP Glyph = nullptr;  // copied; the caller keeps its own
        int NumGlyphs = 1;
        TButtonLayout Layout = TButtonLayout::GlyphLeft;
        int Margin = -1;
        int Spacing = 4;
        bool Enabled = true;
    };
    void Create(TWinControl& parent, const Args& args);

    const TGlyph& Glyph() const { return FGlyph; }
    void SetGlyph(HBITMAP bitmap, int numGlyphs);
    int NumGlyphs() const { return FGlyph.NumGlyphs(); }
    TButtonLayout Layout() const { return FLayout; }
    int Margin() const { return FMargin; }
    int Spacing() const { return FSpacing; }

protected:
    bool DrawItem(DRAWITEMSTRUCT& item) override;

private:
    TGlyph FGlyph;
    TButtonLayout FLayout = TButtonLayout::GlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
};
