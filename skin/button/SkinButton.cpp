#include "skin/button/SkinButton.h"

#include "base/win32/User32Extras.h"
#include "base/win32/WindowClassName.h"
#include "skin/control/ButtonText.h"
#include "skin/data/SkinGdi.h"
#include "skin/data/TextCase.h"
#include "skin/draw/ElementDrawing.h"
#include "skin/draw/Offscreen.h"

namespace {
// Framework notifications after which the button is repainted.
constexpr UINT kDialogKey = 45061;
constexpr UINT kFocusChanged = 45063;

const int kFaceInset = 2;
const int kFocusMargin = 2;

bool IsSpace(WPARAM key) { return key == VK_SPACE; }
}  // namespace

bool TSkinButton::BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_PAINT:
        PaintForMessage(wParam);
        result = 0;
        return false;
    case WM_PRINTCLIENT:
        PaintWindow(reinterpret_cast<HDC>(wParam));
        result = 0;
        return false;
    case WM_ERASEBKGND:
        result = 1;
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // The native button never sees the press: it would draw itself
        // pressed, and click a second time on release.
        if (IsWindowEnabled(Handle())) Press();
        result = 0;
        return false;
    }
    return TSkinControl::BeforeMessage(message, wParam, lParam, result);
}

void TSkinButton::AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_KEYDOWN:
        if (!IsSpace(wParam)) break;
        FPressed = true;
        Repaint();
        break;
    case WM_KEYUP:
        if (!IsSpace(wParam)) break;
        FPressed = false;
        Repaint();
        break;
    case BM_SETSTATE:
        // The native button's own press, by the space bar: it has drawn
        // itself already, and clicks after letting go.
        FPressed = wParam != 0;
        Repaint();
        break;
    case BM_SETSTYLE:      // a dialog moving its default button
    case WM_UPDATEUISTATE:  // keyboard cues shown or hidden
    case kDialogKey:
    case kFocusChanged:
        Repaint();
        break;
    case WM_MOUSEMOVE:
        if (IsWindowEnabled(Handle()) && !FHot && PointerOver()) BecomeHot();
        break;
    case WM_LBUTTONUP:
        if (FPressed) Release();
        break;
    case WM_MOUSELEAVE:
        FHot = false;
        FPressed = false;
        Repaint();
        break;
    default:
        TSkinControl::AfterMessage(message, wParam, lParam, result);
    }
}

void TSkinButton::Press() {
    if (GetFocus() != Handle()) SetFocus(Handle());
    FPressed = true;
    PaintWindow(nullptr);
}

void TSkinButton::Release() {
    FPressed = false;
    Repaint();
    Click();
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

// A move queued before the pointer went elsewhere would leave the button hot
// with no leave notice ever to follow.
bool TSkinButton::PointerOver() const {
    POINT pointer;
    return GetCursorPos(&pointer) && WindowFromPoint(pointer) == Handle();
}

void TSkinButton::BecomeHot() {
    FHot = true;
    Repaint();
    if (!User32Extras().TrackMouseEvent) return;
    TRACKMOUSEEVENT leave = {sizeof leave, TME_LEAVE, Handle(), 0};
    User32Extras().TrackMouseEvent(&leave);
}

PushButtonState TSkinButton::CurrentState() const {
    LONG style = GetWindowLongW(Handle(), GWL_STYLE);
    return {.Enabled = !(style & WS_DISABLED),
            .Pressed = FPressed,
            .Hot = FHot,
            .Focused = GetFocus() == Handle(),
            .Default = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON};
}

void TSkinButton::Draw(HDC dc, const RECT& area) {
    const TSkinButtonElement& buttons = Skin().Buttons;
    if (buttons.Image.Empty()) return;
    int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return;
    PushButtonState state = CurrentState();
    int frame = PushButtonFrameOf(state);
    TOffscreen& canvas = Offscreen(width, height);
    PaintBackground(canvas, {0, 0});
    canvas.Draw(ComposeElement(buttons.Picture(), frame, width, height), 0, 0, buttons.Trans);
    DrawFace(canvas, frame, state.Focused);
    canvas.CopyTo(dc, area.left, area.top);
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
