#pragma once
#include <vector>

#include "skin/frame/CaptionButtons.h"
#include "skin/frame/CaptionText.h"
#include "skin/frame/FrameMetrics.h"

// The caption as it is drawn at this moment: the text and every caption
// button of the skin, in window coordinates.
struct CaptionLayoutInput {
    Size Window;
    FrameMetrics Metrics;
    // The window text with two spaces after it, measured in the caption font.
    int TextWidth = 0, TextHeight = 0;
};

struct CaptionButtonLayout {
    Rect Bounds;
    bool Visible = false;
    bool Enabled = false;
};

struct CaptionLayout {
    CaptionTextLayout Text;
    std::vector<CaptionButtonLayout> Buttons;  // one per skin.CaptionButtons entry, same order
};

// Buttons are placed first, then the text (a popup window's text ends before
// its leftmost visible right-aligned button), then the buttons beside the text.
CaptionLayout LayoutCaption(const TSkinData& skin, const CaptionLayoutInput& input, const CaptionButtonWindow& window);

// The visible button under a point (window coordinates), enabled or not, or
// -1; where buttons overlap the last wins, as it is drawn last.
int CaptionButtonAt(const std::vector<CaptionButtonLayout>& buttons, Point point);
