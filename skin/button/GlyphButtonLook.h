#pragma once
#include "base/ButtonGlyph.h"

// How the skin draws buttons that carry a glyph: which frame of the skin's
// push button image they show and which cell of their glyph.

// The glyph cell a bitmap button shows over a frame of the push button
// image: the pressed cell while pressed, the disabled one while disabled.
TButtonState BitButtonGlyphState(int frame);

struct SpeedButtonState {
    bool Enabled = true;
    bool Pressed = false;  // the left button went down on it and is still over it
    bool Down = false;     // it stays down
    bool Hot = false;      // the pointer is over it
    bool Flat = true;
};

// No frame: a flat button at rest (or disabled) shows no button image,
// only the face it stands on.
inline constexpr int kNoButtonFrame = 0;

// Pressed or down before hot before normal; disabled whatever else holds.
// A flat button shows an image only while hot, pressed or down.
int SpeedButtonFrameOf(const SpeedButtonState& state);

// Its glyph: the pressed cell while pressed, the stays-down cell while down.
TButtonState SpeedButtonGlyphState(const SpeedButtonState& state);

// The face of a button moves by this many pixels right and down while it
// shows the pressed frame, as a native button's does.
int PressedFaceShift(int frame);
