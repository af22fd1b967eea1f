#include "gui/BitBtn.h"

void TBitBtn::Create(TWinControl& parent, const Args& args) {
    FGlyphLayout = args.GlyphLayout;
    FGlyph = TGlyph(args.Glyph, args.NumGlyphs);
    CreateChild(parent, {L"TBitBtn", L"BUTTON", WS_TABSTOP | BS_OWNERDRAW, 0, args.Bounds}, false);
    SetText(args.Caption);
    SetEnabled(args.Enabled);
}

void TBitBtn::SetGlyph(HBITMAP bitmap, int numGlyphs) {
    FGlyph = TGlyph(bitmap, numGlyphs);
    Invalidate();
}

// The system's push button face, then glyph and caption, moved a pixel
// while pressed, and the focus rectangle inside the face.
bool TBitBtn::DrawItem(DRAWITEMSTRUCT& item) {
    bool pressed = item.itemState & ODS_SELECTED;
    bool disabled = item.itemState & ODS_DISABLED;
    RECT face = item.rcItem;
    DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED : 0));
    if (pressed) OffsetRect(&face, 1, 1);
    TButtonState state = disabled ? TButtonState::Disabled : pressed ? TButtonState::Down : TButtonState::Up;
    DrawGlyphAndCaption(item.hDC, face, {FGlyph, FGlyphLayout, state, Text(), Font().Handle()});
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(item.hDC, &focus);
    }
    return true;
}
