#include "skin/button/SkinButton.h"

#include "base/win32/WindowClassName.h"
#include "gui/ControlMessages.h"
#include "skin/control/ButtonText.h"
#include "skin/data/SkinGdi.h"
#include "skin/data/TextCase.h"
#include "skin/draw/Offscreen.h"

namespace {
const int kFaceInset = 2;
const int kFocusMargin = 2;
}  // namespace

// The native button never sees a press: it would draw itself pressed, and
// click a second time on release.
TSkinButton::TSkinButton(TSkinFrame& frame) : TSkinControl(frame) {
    TrackPresses({.PartAt = [this](POINT) { return IsWindowEnabled(Handle()) ? 0 : -1; },
                  .OnChange = [this] { Repaint(); },
                  .OnPress = [this](int) {
                      if (GetFocus() != Handle()) SetFocus(Handle());
                  },
                  .OnClick = [this](int) { Click(); }});
}

// The native button's own press, by the space bar, is followed; a press of
// the mouse never reaches it, even on a disabled button the tracker leaves.
bool TSkinButton::BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == BM_SETSTATE) FKeyPressed = wParam != 0;
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) return false;
    return TSkinControl::BeforeMessage(message, wParam, lParam, result);
}

bool TSkinButton::ChangesLook(UINT message) const {
    switch (message) {
    case BM_SETSTATE:
    case BM_SETSTYLE:  // a dialog moving its default button
    case CM_DIALOGKEY:
    case CM_FOCUSCHANGED:
        return true;
    }
    return TSkinControl::ChangesLook(message);
}

// As the native button tells its parent of a click. A bare window's parent
// (a dialog) may end itself on the command, so it gets it later.
void TSkinButton::Click() {
    HWND parent = GetParent(Handle());
    if (Control()) {
        SendMessageW(parent, WM_COMMAND, MAKEWPARAM(Control()->ControlId(), BN_CLICKED),
                     reinterpret_cast<LPARAM>(Handle()));
        return;
    }
    int id = LowerCaseGbk(WindowClassName(Handle())) == "tbutton" ? 0 : GetDlgCtrlID(Handle());
    PostMessageW(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Handle()));
}

PushButtonState TSkinButton::CurrentState() const {
    LONG style = GetWindowLongW(Handle(), GWL_STYLE);
    TPressLook look = PressLook();
    return {.Enabled = !(style & WS_DISABLED),
            .Pressed = FKeyPressed || look.Pressed == 0,
            .Hot = look.Hot == 0,
            .Focused = GetFocus() == Handle(),
            .Default = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON};
}

void TSkinButton::Draw(TOffscreen& canvas) {
    PushButtonState state = CurrentState();
    int frame = PushButtonFrameOf(state);
    DrawElement(canvas, {0, 0, canvas.Width(), canvas.Height()}, Skin().Buttons.Picture(), frame);
    DrawFace(canvas, frame, state.Focused);
}

RECT TSkinButton::FaceBounds(const TOffscreen& canvas) {
    return {kFaceInset, kFaceInset, canvas.Width() - kFaceInset, canvas.Height() - kFaceInset};
}

void TSkinButton::DrawFace(TOffscreen& canvas, int frame, bool focused) {
    DrawCaption(canvas, frame, focused, FaceBounds(canvas));
}

void TSkinButton::DrawCaption(TOffscreen& canvas, int frame, bool focused, const RECT& bounds) {
    TButtonTextStyle style = {.Font = ControlFont(),
                              .Colour = CaptionColour(frame),
                              .Centred = true,
                              .RightToLeft = (GetWindowLongW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0};
    RECT text = DrawButtonText(canvas.DC(), PushButtonCaption(Caption()), bounds, style);
    if (focused) DrawFocus(canvas, text, bounds);
}

COLORREF TSkinButton::CaptionColour(int frame) const {
    return ToColorRef(PushButtonTextColour(Skin().Buttons, frame, TColor(ControlTextColour()),
                                           TColor(GetSysColor(COLOR_BTNSHADOW))));
}

void TSkinButton::DrawFocus(TOffscreen& canvas, RECT around, const RECT& bounds) const {
    if (Skin().Options.test(soNoFocusRect)) return;
    // Around the text, but never over the button's own edge.
    InflateRect(&around, kFocusMargin, kFocusMargin);
    IntersectRect(&around, &around, &bounds);
    DrawFocusRect(canvas.DC(), &around);
}
