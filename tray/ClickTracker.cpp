#include "tray/ClickTracker.h"

bool TClickTracker::Press(bool doubleClickAwaited) {
    FPressed = true;
    if (doubleClickAwaited) FWaiting = true;
    return doubleClickAwaited;
}

bool TClickTracker::Release() {
    bool click = FPressed && !FWaiting;
    if (FPressed) FReleased = FWaiting;
    FPressed = false;
    return click;
}

void TClickTracker::DoubleClick() {
    FReleased = false;
    FDoubled = true;
}

bool TClickTracker::WaitEnded() {
    bool click = FReleased && !FDoubled;
    if (click) FReleased = false;
    FWaiting = FDoubled = false;
    return click;
}
