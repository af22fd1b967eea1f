#pragma once
#include <optional>

#include "skin/data/SkinElements.h"
#include "skin/frame/FrameCoordinates.h"

// What the caption text is placed from. Sizes are measured by the caller:
// the text is the window text with two spaces after it, in the caption font.
struct CaptionTextInput {
    int WindowWidth = 0;
    int CaptionHeight = 0;
    int TextWidth = 0, TextHeight = 0;
    bool RightToLeft = false;
    bool DialogKind = false;  // no icon: left-aligned text starts further left
    // Left edge of the leftmost right-aligned caption button, for popup
    // windows that show one; the text is clipped there.
    std::optional<int> RightButtonsLeft;
};

// In window coordinates. The text is drawn single-line with end ellipsis
// into TextRect, which already ends at ClipRight.
struct CaptionTextLayout {
    Rect TextRect;
    Rect TextBackRect;  // where the TextBack image goes; empty without one
    int ClipRight = 0;
};

CaptionTextLayout LayoutCaptionText(const CaptionTextInput& input, const TSkinTitleElement& title);
