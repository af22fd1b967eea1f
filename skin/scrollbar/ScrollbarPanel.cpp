#include "skin/scrollbar/ScrollbarPanel.h"

#include <windowsx.h>

#include "base/win32/User32Extras.h"
#include "skin/draw/DibOutput.h"
#include "skin/manager/SkinMessages.h"
#include "skin/scrollbar/ScrollbarPicture.h"
#include "skin/scrollbar/ScrollbarReading.h"

namespace {
POINT PointOf(LPARAM point) { return {GET_X_LPARAM(point), GET_Y_LPARAM(point)}; }
}  // namespace

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
    // The system may have drawn its own bar over the panel just now.
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TScrollbarPanel::Hide() {
    if (Handle()) ShowWindow(Handle(), SW_HIDE);
}

bool TScrollbarPanel::Shows() const { return Handle() && IsWindowVisible(Handle()); }

void TScrollbarPanel::Paint(HDC dc) {
    DrawPixelBuffer(dc, 0, 0, ComposeScrollbar(FFacts, FLook, ScrollbarElementsOf(FSkin, FKind)));
}

LRESULT TScrollbarPanel::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case SkinMessage::Query:
        return 1;
    case WM_LBUTTONDOWN:
        Press(lParam);
        return 0;
    case WM_LBUTTONUP:
        if (FLook.Pressed) EndPress(ScreenPoint(lParam));
        return 0;
    case WM_MOUSEMOVE:
        MoveOver(lParam);
        break;
    case WM_MOUSELEAVE:
        FLeaveTracked = false;
        SetLook({});
        return 0;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}

// The control gets the press on its own bar at the same point; the
// system's scrolling loop runs inside and returns once the button is up.
void TScrollbarPanel::Press(LPARAM point) {
    SetLook({PartAt(PointOf(point)), true});
    HWND own = Handle();
    LPARAM screenPoint = ScreenPoint(point);
    SendButton(true, screenPoint);
    if (!IsWindow(own)) return;
    // Without a loop (a disabled bar, say) the release comes here later.
    if (GetKeyState(VK_LBUTTON) >= 0) EndPress(screenPoint);
}

void TScrollbarPanel::EndPress(LPARAM screenPoint) {
    SendButton(false, screenPoint);
    SetLook({PartUnderCursor(), false});
}

// A scroll bar control takes the press in its client area, at its own point.
void TScrollbarPanel::SendButton(bool down, LPARAM screenPoint) const {
    if (!FWholeControl) {
        SendMessageW(FControl, down ? WM_NCLBUTTONDOWN : WM_NCLBUTTONUP, HitCode(), screenPoint);
        return;
    }
    POINT at = PointOf(screenPoint);
    ScreenToClient(FControl, &at);
    SendMessageW(FControl, down ? WM_LBUTTONDOWN : WM_LBUTTONUP, down ? MK_LBUTTON : 0, MAKELPARAM(at.x, at.y));
}

void TScrollbarPanel::MoveOver(LPARAM point) {
    auto trackMouse = User32Extras().TrackMouseEvent;
    if (!FLeaveTracked && trackMouse) {
        TRACKMOUSEEVENT leave = {sizeof leave, TME_LEAVE, Handle(), 0};
        FLeaveTracked = trackMouse(&leave);
    }
    SetLook({PartAt(PointOf(point)), FLook.Pressed});
}

void TScrollbarPanel::SetLook(ScrollbarLook look) {
    if (look.Hot == FLook.Hot && look.Pressed == FLook.Pressed) return;
    FLook = look;
    if (Handle()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

ScrollbarPart TScrollbarPanel::PartAt(POINT point) const {
    return ScrollbarPartAt(LayOutScrollbar(FFacts), point.x, point.y);
}

ScrollbarPart TScrollbarPanel::PartUnderCursor() const {
    POINT cursor;
    if (!Handle() || !GetCursorPos(&cursor) || WindowFromPoint(cursor) != Handle()) return ScrollbarPart::None;
    ScreenToClient(Handle(), &cursor);
    return PartAt(cursor);
}

LPARAM TScrollbarPanel::ScreenPoint(LPARAM point) const {
    POINT at = PointOf(point);
    ClientToScreen(Handle(), &at);
    return MAKELPARAM(at.x, at.y);
}
