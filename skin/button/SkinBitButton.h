#pragma once
#include "gui/Glyph.h"
#include "skin/button/SkinButton.h"

// Bitmap buttons: a push button from the skin's Buttons image, as
// TSkinButton draws and clicks it, with the button's glyph beside its
// caption where its Margin, Spacing and Layout put it. A button without a
// glyph of its own (a foreign class of the "bitbtn" kinds) shows its
// caption alone, laid out the same way.
class TSkinBitButton : public TSkinButton {
public:
    using TSkinButton::TSkinButton;

protected:
    void DrawFace(TOffscreen& canvas, int frame, bool focused) override;

private:
    const TGlyph& Glyph() const;
    TGlyphLayout GlyphLayout() const;
};
