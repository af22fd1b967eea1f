#pragma once
#include "skin/draw/PixelBuffer.h"

// The two arrow buttons of an up-down control: up and down when upright,
// left and right when level.
struct UpDownHalves {
    Rect First, Second;
};

enum class UpDownButton { None, First, Second };

// The halves of a control of width x height; an odd pixel goes to the
// second button.
UpDownHalves SplitUpDown(int width, int height, bool horizontal);

// The button under (x, y), None outside both.
UpDownButton UpDownButtonAt(const UpDownHalves& halves, int x, int y);

// How one button is drawn.
struct UpDownLook {
    bool Enabled = true, Pressed = false, Hot = false;
};

// The button's frame in the eight-state element: the first button's states
// are 1..4 (normal, pressed, hot, disabled), the second's 5..8.
int UpDownFrame(UpDownButton button, const UpDownLook& look);

// A glyph of width x height centred on the button (it may stand out of a
// button smaller than itself, evenly on both sides).
Rect CentreGlyph(Rect button, int width, int height);
