#include "skin/button/GlyphButtonLook.h"

#include "skin/button/PushButtonLook.h"

TButtonState BitButtonGlyphState(int frame) {
    if (frame == PushButtonFrame::Disabled) return TButtonState::Disabled;
    if (frame == PushButtonFrame::Pressed) return TButtonState::Down;
    return TButtonState::Up;
}

int SpeedButtonFrameOf(const SpeedButtonState& state) {
    if (!state.Enabled) return state.Flat ? kNoButtonFrame : PushButtonFrame::Disabled;
    if (state.Pressed || state.Down) return PushButtonFrame::Pressed;
    if (state.Hot) return PushButtonFrame::Hot;
    return state.Flat ? kNoButtonFrame : PushButtonFrame::Normal;
}

TButtonState SpeedButtonGlyphState(const SpeedButtonState& state) {
    if (!state.Enabled) return TButtonState::Disabled;
    if (state.Pressed) return TButtonState::Down;
    return state.Down ? TButtonState::Exclusive : TButtonState::Up;
}

int PressedFaceShift(int frame) { return frame == PushButtonFrame::Pressed ? 1 : 0; }
