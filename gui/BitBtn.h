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
        TGlyphLayout GlyphLayout;
        bool Enabled = true;
    };
    void Create(TWinControl& parent, const Args& args);

    const TGlyph& Glyph() const { return FGlyph; }
    void SetGlyph(HBITMAP bitmap, int numGlyphs);
    int NumGlyphs() const { return FGlyph.NumGlyphs(); }
    const TGlyphLayout& GlyphLayout() const { return FGlyphLayout; }

protected:
    bool DrawItem(DRAWITEMSTRUCT& item) override;

private:
    TGlyph FGlyph;
    TGlyphLayout FGlyphLayout;
};
