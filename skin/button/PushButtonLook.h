#pragma once
#include <string>

#include "skin/data/SkinElements.h"

// The five states of the skin's push button image, by frame number.
namespace PushButtonFrame {
inline constexpr int Normal = 1;
inline constexpr int Pressed = 2;
inline constexpr int Disabled = 3;
inline constexpr int Hot = 4;
inline constexpr int Focused = 5;  // focused, or the button Enter presses
}  // namespace PushButtonFrame

struct PushButtonState {
    bool Enabled = true;
    bool Pressed = false;
    bool Hot = false;  // the pointer is over it
    bool Focused = false;
    bool Default = false;  // the button Enter presses
};

// Pressed before hot before focused (or default) before normal; a disabled
// button shows its disabled frame whatever else holds.
int PushButtonFrameOf(const PushButtonState& state);

// The caption colour in a frame: the skin's own colour for the normal, hot
// and pressed frames where the skin gives one, else textColour; a disabled
// button takes disabledColour.
TColor PushButtonTextColour(const TSkinButtonElement& buttons, int frame, TColor textColour, TColor disabledColour);

// A caption as a button shows it: its first "||" breaks the line.
std::wstring PushButtonCaption(std::wstring caption);
