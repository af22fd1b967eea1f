#include "skin/scrollbar/ScrollbarPanel.h"

#include <windowsx.h>

#include "skin/draw/DibOutput.h"
#include "skin/manager/SkinMessages.h"
#include "skin/scrollbar/ScrollbarPicture.h"
#include "skin/scrollbar/ScrollbarReading.h"

#ifndef WM_MOUSEHWHEEL
#define WM_MOUSEHWHEEL 0x020E
#endif

TScrollbarPanel::TScrollbarPanel(TSkinData& skin, HWND control, ScrollbarKind kind)
    : FSkin(skin), FControl(control), FKind(kind) {
    FFacts.Kind = kind;
}

TScrollbarPanel::TScrollbarPanel(TSkinData& skin, HWND bar, WholeControl)
    : TScrollbarPanel(skin, bar, KindOfScrollbarControl(bar)) {
    FWholeControl = true;
}

bool TScrollbarPanel::Read(ScrollbarFacts& facts, RECT& screen) const {
    if (FWholeControl) return ReadScrollbarControl(FControl, facts, screen);
    return ReadScrollbar(FControl, FKind, facts, screen);
}

void TScrollbarPanel::Follow() {
    ScrollbarFacts facts;
    RECT screen;
    // The control's own visibility: its parent's is the panel's as well.
    bool controlShows = GetWindowLongW(FControl, GWL_STYLE) & WS_VISIBLE;
    if (!controlShows || !Read(facts, screen)) {
        Hide();
        return;
    }
    HWND parent = GetParent(FControl);
    POINT origin = {screen.left, screen.top};
    ScreenToClient(parent, &origin);
    FFacts = facts;
    if (!Handle())
        CreateOverlay(parent, {L"TScrollbarPanel", nullptr, 0, 0, {origin.x, origin.y, facts.Width, facts.Height}});
    UINT order = IsWindowVisible(Handle()) ? SWP_NOZORDER : 0;
    SetWindowPos(Handle(), HWND_TOP, origin.x, origin.y, facts.Width, facts.Height,
                 order | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Repaint();
}

void TScrollbarPanel::Hide() {
    if (Handle()) ShowWindow(Handle(), SW_HIDE);
}

bool TScrollbarPanel::Shows() const { return Handle() && IsWindowVisible(Handle()); }

void TScrollbarPanel::Repaint() {
    if (Handle()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

ScrollbarLook TScrollbarPanel::Look() const {
    TPressLook look = FTracker.Look();
    if (look.Pressed >= 0) return {ScrollbarPart(look.Pressed), true};
    return {look.Hot >= 0 ? ScrollbarPart(look.Hot) : ScrollbarPart::None, false};
}

void TScrollbarPanel::Paint(HDC dc) {
    DrawPixelBuffer(dc, 0, 0, ComposeScrollbar(FFacts, Look(), ScrollbarElementsOf(FSkin, FKind)));
}

LRESULT TScrollbarPanel::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == SkinMessage::Query) return 1;
    if (FTracker.Track(Handle(), message, wParam, lParam)) return 0;
    if (message == WM_LBUTTONDOWN) {
        PassPress(lParam);
        return 0;
    }
    // The wheel goes to the window under the pointer; over the bar that
    // is the control's own.
    if (message == WM_MOUSEWHEEL || message == WM_MOUSEHWHEEL) return SendMessageW(FControl, message, wParam, lParam);
    LRESULT result = TWinControl::WndProc(message, wParam, lParam);
    FTracker.Handled(Handle(), message);
    return result;
}

// The control gets the press on its own bar at the same point; the
// system's scrolling loop runs inside and returns once the button is up.
// A scroll bar control takes the press in its client area, at its own point.
void TScrollbarPanel::PassPress(LPARAM point) {
    HWND own = Handle();
    POINT at = {GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    MapWindowPoints(own, FWholeControl ? FControl : HWND_DESKTOP, &at, 1);
    if (FWholeControl)
        SendMessageW(FControl, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    else
        SendMessageW(FControl, WM_NCLBUTTONDOWN, HitCode(), MAKELPARAM(at.x, at.y));
    if (IsWindow(own)) FTracker.EndPress(own);
}

// Only the parts that the system would scroll by count; a disabled bar or
// arrow has none.
int TScrollbarPanel::PartAt(POINT point) const {
    ScrollbarPart part = ScrollbarPartAt(LayOutScrollbar(FFacts), point.x, point.y);
    bool arrowDisabled = (part == ScrollbarPart::FirstArrow && !FFacts.FirstArrowEnabled) ||
                         (part == ScrollbarPart::SecondArrow && !FFacts.SecondArrowEnabled);
    if (part == ScrollbarPart::None || !FFacts.Enabled || arrowDisabled) return -1;
    return int(part);
}
