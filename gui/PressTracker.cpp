#include "gui/PressTracker.h"

#include <windowsx.h>

#include "base/win32/User32Extras.h"

namespace {
const POINT kNowhere = {-1, -1};

bool IsPress(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_NCLBUTTONDOWN ||
           message == WM_NCLBUTTONDBLCLK;
}
}  // namespace

TPressTracker::TPressTracker(Args args) : FArgs(std::move(args)) {}

bool TPressTracker::Track(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (TrackEnd(window, message, wParam, lParam)) return false;
    return FArgs.Area == TArea::NonClient ? TrackNonClient(window, message, lParam)
                                          : TrackClient(window, message, lParam);
}

// What ends a press without a click, whatever the area.
bool TPressTracker::TrackEnd(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) == window) return true;
        FCaptured = false;
        if (FState.Holding()) Cancel();
        return true;
    case WM_CANCELMODE:
        Cancel();
        return true;
    case WM_KILLFOCUS:
        // A native button lets go of a press when the focus goes.
        if (FArgs.Mode == TMode::Clicks && FState.Holding()) Cancel();
        return true;
    case WM_ENABLE:
        if (!wParam) Cancel();
        return true;
    }
    return false;
}

bool TPressTracker::TrackClient(HWND window, UINT message, LPARAM lParam) {
    POINT at = PointOf(window, message, lParam);
    switch (message) {
    case WM_MOUSEMOVE:
        MovedTo(window, FCaptured || PointerOver(window) ? at : kNowhere);
        return false;
    case WM_MOUSELEAVE:
        FLeaveFollowed = false;
        if (!FCaptured) MovedTo(window, kNowhere);
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return Press(window, at);
    case WM_LBUTTONUP:
        return Release(window, at);
    }
    return false;
}

// While the tracker holds the capture, the mouse comes as client messages.
bool TPressTracker::TrackNonClient(HWND window, UINT message, LPARAM lParam) {
    POINT at = PointOf(window, message, lParam);
    switch (message) {
    case WM_NCMOUSEMOVE:
        MovedTo(window, at);
        return false;
    case WM_MOUSEMOVE:
        if (!FCaptured) return false;
        MovedTo(window, at);
        return true;
    case WM_NCMOUSELEAVE:
        FLeaveFollowed = false;
        if (!FCaptured) MovedTo(window, kNowhere);
        return false;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        return Press(window, at);
    case WM_NCLBUTTONUP:
        return Release(window, at);
    case WM_LBUTTONUP:
        return FCaptured && Release(window, at);
    }
    return false;
}

void TPressTracker::Handled(HWND window, UINT message) {
    UINT move = FArgs.Area == TArea::NonClient ? WM_NCMOUSEMOVE : WM_MOUSEMOVE;
    if (message == move && IsWindow(window)) FollowLeave(window);
    if (IsPress(message) && FState.Holding() && GetKeyState(VK_LBUTTON) >= 0) EndPress(window);
}

bool TPressTracker::Press(HWND window, POINT at) {
    TPressLook before = FState.Look();
    int part = PartAt(window, at);
    if (part >= 0 && FArgs.OnPress) FArgs.OnPress(part);
    FState.Press(part);
    Changed(before);
    if (part < 0 || FArgs.Mode == TMode::Follows) return false;
    FCaptured = true;
    SetCapture(window);
    return true;
}

bool TPressTracker::Release(HWND window, POINT at) {
    if (!FState.Holding()) {
        MovedTo(window, at);
        return false;
    }
    TPressLook before = FState.Look();
    int clicked = FState.Release(PartAt(window, at));
    bool taken = FArgs.Mode == TMode::Clicks;
    if (FCaptured) {
        FCaptured = false;
        FLeaveFollowed = false;  // the leave notice does not outlast the capture
        ReleaseCapture();
    }
    Changed(before);
    if (clicked >= 0 && FArgs.OnClick) FArgs.OnClick(clicked);
    return taken;
}

void TPressTracker::EndPress(HWND window) {
    if (!FState.Holding()) return;
    TPressLook before = FState.Look();
    FState.Release(PartUnderPointer(window));
    Changed(before);
}

void TPressTracker::Cancel() {
    TPressLook before = FState.Look();
    FState.Cancel();
    if (FCaptured) {
        FCaptured = false;
        ReleaseCapture();
    }
    Changed(before);
}

void TPressTracker::MovedTo(HWND window, POINT at) {
    TPressLook before = FState.Look();
    FState.Move(PartAt(window, at));
    Changed(before);
}

// A move queued before the pointer went elsewhere would leave a part hot
// with no leave notice ever to follow.
bool TPressTracker::PointerOver(HWND window) const {
    POINT cursor;
    return GetCursorPos(&cursor) && WindowFromPoint(cursor) == window;
}

// Only points inside the area count.
int TPressTracker::PartAt(HWND window, POINT at) const {
    RECT area;
    if (FArgs.Area == TArea::NonClient) {
        GetWindowRect(window, &area);
        OffsetRect(&area, -area.left, -area.top);
    } else {
        GetClientRect(window, &area);
    }
    if (!PtInRect(&area, at)) return -1;
    return FArgs.PartAt ? FArgs.PartAt(at) : 0;
}

int TPressTracker::PartUnderPointer(HWND window) const {
    POINT cursor;
    if (!GetCursorPos(&cursor)) return -1;
    RECT bounds;
    GetWindowRect(window, &bounds);
    if (FArgs.Area == TArea::NonClient)
        return PartAt(window, {cursor.x - bounds.left, cursor.y - bounds.top});
    ScreenToClient(window, &cursor);
    return PartAt(window, cursor);
}

// Client coordinates in the client area; coordinates of the whole window
// for the frame, whether the message gives screen or client points.
POINT TPressTracker::PointOf(HWND window, UINT message, LPARAM lParam) const {
    POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (FArgs.Area == TArea::Client) return at;
    bool screenPoint = message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK;
    if (!screenPoint) ClientToScreen(window, &at);
    RECT bounds;
    GetWindowRect(window, &bounds);
    return {at.x - bounds.left, at.y - bounds.top};
}

void TPressTracker::FollowLeave(HWND window) {
    auto trackMouse = User32Extras().TrackMouseEvent;
    if (FLeaveFollowed || !trackMouse) return;
    DWORD flags = FArgs.Area == TArea::NonClient ? TME_LEAVE | TME_NONCLIENT : TME_LEAVE;
    TRACKMOUSEEVENT leave = {sizeof leave, flags, window, 0};
    FLeaveFollowed = trackMouse(&leave) != FALSE;
}

void TPressTracker::Changed(TPressLook before) {
    if (FState.Look() != before && FArgs.OnChange) FArgs.OnChange();
}
