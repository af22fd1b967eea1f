#include "gui/PressState.h"

void TPressState::Press(int part) {
    FHeld = part;
    FOver = part;
}

int TPressState::Release(int part) {
    int clicked = FHeld >= 0 && part == FHeld ? FHeld : -1;
    FHeld = -1;
    FOver = part;
    return clicked;
}

TPressLook TPressState::Look() const {
    if (FHeld < 0) return {.Hot = FOver};
    bool overHeld = FOver == FHeld;
    return {.Hot = overHeld ? FHeld : -1, .Pressed = overHeld ? FHeld : -1};
}
