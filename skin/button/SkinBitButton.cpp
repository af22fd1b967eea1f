#include "skin/button/SkinBitButton.h"

#include "base/win32/Win32Text.h"
#include "gui/BitBtn.h"
#include "skin/button/GlyphButtonLook.h"
#include "skin/draw/Offscreen.h"

namespace {
const int kFocusInset = 2;

const TBitBtn* BitBtnOf(TWinControl* control) { return dynamic_cast<const TBitBtn*>(control); }
}  // namespace

void TSkinBitButton::DrawFace(TOffscreen& canvas, int frame, bool focused) {
    RECT bounds = FaceBounds(canvas);
    RECT face = bounds;
    int shift = PressedFaceShift(frame);
    OffsetRect(&face, shift, shift);
    std::string caption = Narrow(Caption());
    DrawGlyphAndCaption(canvas.DC(), face,
                        {Glyph(), GlyphLayout(), BitButtonGlyphState(frame), caption, ControlFont(),
                         CaptionColour(frame)});
    if (!focused) return;
    RECT inner = bounds;
    InflateRect(&inner, -kFocusInset, -kFocusInset);
    DrawFocus(canvas, inner, bounds);
}

const TGlyph& TSkinBitButton::Glyph() const {
    static const TGlyph kNoGlyph;
    const TBitBtn* button = BitBtnOf(Control());
    return button ? button->Glyph() : kNoGlyph;
}

TGlyphLayout TSkinBitButton::GlyphLayout() const {
    const TBitBtn* button = BitBtnOf(Control());
    return button ? button->GlyphLayout() : TGlyphLayout{};
}
