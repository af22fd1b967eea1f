#pragma once

// Tells single clicks of the left button on a tray icon from double clicks.
// The shell reports a press and a release, and for the second press of a
// double click a double click instead. When a double click is awaited, a
// press starts a wait of one double-click time (the owner's timer), and the
// click comes when the wait ends with no double click in between; otherwise
// the release after a press is the click.
class TClickTracker {
public:
    // A press; true when the owner starts its wait, or starts it anew.
    bool Press(bool doubleClickAwaited);
    // A release; true when it is a click now.
    bool Release();
    void DoubleClick();
    // The owner's wait is over; true when the press before it was a click.
    bool WaitEnded();

private:
    bool FPressed = false;   // a press whose release has not come
    bool FReleased = false;  // a release that becomes a click when the wait ends
    bool FDoubled = false;
    bool FWaiting = false;
};
