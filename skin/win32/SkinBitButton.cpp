#include "skin/win32/SkinBitButton.h"

#include "gui/BitBtn.h"
#include "gui/Win32Text.h"
#include "skin/GlyphButtonLook.h"
#include "skin/win32/Offscreen.h"

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
