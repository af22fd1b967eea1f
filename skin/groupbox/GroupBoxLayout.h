#pragma once
#include "skin/frame/FrameCoordinates.h"

// Where a skinned group box draws its parts, in its own coordinates.
struct GroupBoxLayout {
    Rect Frame;    // the rounded rectangle's bounds
    Rect Caption;  // the caption on its background; empty without a caption
    // What a bare group box leaves alone: its sibling controls may lie
    // there, so it paints only around it (its frame and caption).
    Rect Interior;
};

inline constexpr int kGroupBoxCaptionIndent = 8;
// The depth of the native frame that the skin's frame covers.
inline constexpr int kGroupBoxNativeBorder = 2;

// box: the control's size; caption: the caption's extent in the control's
// font (0 wide without a caption); zeroHeight: the height of "0" in that
// font, half of which the frame starts below the top. Right-aligned boxes
// carry their caption at the right end.
GroupBoxLayout LayoutGroupBox(Size box, Size caption, int zeroHeight, bool rightAligned);
