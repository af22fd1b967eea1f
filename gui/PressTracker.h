#pragma once
#include <windows.h>

#include <functional>

#include "gui/PressState.h"

// The one follower of the mouse over the pressable parts of a window: our
// buttons, the skin's buttons, up-downs, tabs, headers, caption buttons and
// scroll bar panels. The window feeds it every message before handling it,
// and tells it when it has. It asks for the leave notice, and in the
// clicking mode captures the mouse on a press, as native buttons do
// (TPressState says how the look follows).
// Losing the capture, the keyboard focus of a held button or the window's
// enabling, or a cancel-mode request, ends a press without a click.
class TPressTracker {
public:
    enum class TMode {
        // The press is the tracker's: the window never sees it; a release
        // over the held part reports a click.
        Clicks,
        // The window acts on the press itself (a native up-down steps, a
        // tab control selects, a scroll bar runs its own loop); the
        // tracker only follows the look.
        Follows,
    };
    enum class TArea {
        Client,     // parts in the client area, at client coordinates
        NonClient,  // parts in the frame, at coordinates of the whole window
    };
    struct Args {
        // The part at a point inside the area, -1 for none (or disabled).
        std::function<int(POINT)> PartAt;
        // The look changed: repaint.
        std::function<void()> OnChange;
        // A press began over the part, before the look changes.
        std::function<void(int part)> OnPress;
        // A release over the held part; the window may be gone afterwards.
        std::function<void(int part)> OnClick;
        TMode Mode = TMode::Clicks;
        TArea Area = TArea::Client;
    };

    explicit TPressTracker(Args args);

    // Follows one message to window; true when the tracker took it and
    // the window must not see it.
    bool Track(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The window has handled the message. The leave notice is asked for
    // only now: a native control that asks for its own while it handles a
    // move would replace the tracker's. A press that the window acted on
    // ends here when the button came up meanwhile: a handler of the press
    // ran a loop of its own (a message box) that took the release.
    void Handled(HWND window, UINT message);
    // Ends a press that the window's own loop has finished (a scroll bar's
    // drag), taking the part under the pointer as it is now.
    void EndPress(HWND window);
    // Drops press and hover, and the capture when it holds it.
    void Cancel();

    TPressLook Look() const { return FState.Look(); }
    bool Holding() const { return FState.Holding(); }

private:
    bool TrackNonClient(HWND window, UINT message, LPARAM lParam);
    bool TrackClient(HWND window, UINT message, LPARAM lParam);
    bool TrackEnd(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool Press(HWND window, POINT at);
    bool Release(HWND window, POINT at);
    void MovedTo(HWND window, POINT at);
    int PartAt(HWND window, POINT at) const;
    bool PointerOver(HWND window) const;
    int PartUnderPointer(HWND window) const;
    POINT PointOf(HWND window, UINT message, LPARAM lParam) const;
    void FollowLeave(HWND window);
    void Changed(TPressLook before);

    Args FArgs;
    TPressState FState;
    bool FCaptured = false;
    bool FLeaveFollowed = false;
};
