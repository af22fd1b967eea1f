#include "gui/SpeedButton.h"

#include <windowsx.h>

#include "gui/SpeedButtonDown.h"

void TSpeedButton::Create(TWinControl& parent, const Args& args) {
    FGlyphLayout = args.GlyphLayout;
    FFlat = args.Flat;
    FGroupIndex = args.GroupIndex;
    FAllowAllUp = args.AllowAllUp;
    FGlyph = TGlyph(args.Glyph, args.NumGlyphs);
    CreateChild(parent, {L"TSpeedButton", nullptr, 0, 0, args.Bounds, CS_HREDRAW | CS_VREDRAW}, false);
    SetText(args.Caption);
    SetEnabled(args.Enabled);
    SetDown(args.Down);
}

void TSpeedButton::SetDown(bool down) {
    if (down) RaiseGroupmates();
    FDown = down;
    Invalidate();
}

void TSpeedButton::RaiseGroupmates() {
    if (!Parent()) return;
    for (TWinControl* sibling : Parent()->Controls()) {
        auto* mate = dynamic_cast<TSpeedButton*>(sibling);
        if (!mate || mate == this || !mate->FDown || !RaisedByGroupmate(FGroupIndex, mate->FGroupIndex)) continue;
        mate->FDown = false;
        mate->Invalidate();
    }
}

void TSpeedButton::SetGlyph(HBITMAP bitmap, int numGlyphs) {
    FGlyph = TGlyph(bitmap, numGlyphs);
    Invalidate();
}

void TSpeedButton::Click() {
    SetDown(DownAfterClick(FDown, FGroupIndex, FAllowAllUp));
    CallEvent(OnClick, this);
}

LRESULT TSpeedButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (FTracker.Track(Handle(), message, wParam, lParam)) return 0;
    LRESULT result = TWinControl::WndProc(message, wParam, lParam);
    FTracker.Handled(Handle(), message);
    if (message == WM_ENABLE || message == WM_SETTEXT) Invalidate();
    return result;
}

TButtonState TSpeedButton::GlyphState() const {
    if (!Enabled()) return TButtonState::Disabled;
    if (Pressed()) return TButtonState::Down;
    return FDown ? TButtonState::Exclusive : TButtonState::Up;
}

// A flat button shows an edge only under the pointer, pressed or down; the
// face moves a pixel while it is in.
void TSpeedButton::Paint(HDC dc) {
    TWinControl::Paint(dc);
    RECT face;
    GetClientRect(Handle(), &face);
    bool in = Pressed() || FDown;
    if (!FFlat) {
        DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (in ? DFCS_PUSHED : 0));
    } else if (in || (Hot() && Enabled())) {
        DrawEdge(dc, &face, in ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    }
    if (in) OffsetRect(&face, 1, 1);
    DrawGlyphAndCaption(dc, face, {FGlyph, FGlyphLayout, GlyphState(), Text(), Font().Handle()});
}
