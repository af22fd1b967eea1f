#include "skin/checkbox/ToggleButtonLook.h"

#include <algorithm>

namespace {
constexpr int kTwelveFrames = 12;
constexpr int kCaptionGap = 2;
}  // namespace

int ToggleFrame(CheckMark mark, bool enabled, int frameCount) {
    if (mark == CheckMark::Mixed) {
        if (frameCount != kTwelveFrames) return 4;
        return enabled ? 9 : 12;
    }
    int frame = (mark == CheckMark::Checked ? 2 : 1) + (enabled ? 0 : 2);
    if (frameCount != kTwelveFrames) return frame;
    // Unchecked, checked, unchecked disabled, checked disabled.
    const int twelve[] = {1, 5, 4, 8};
    return twelve[frame - 1];
}

ToggleLayout LayOutToggle(int width, int height, int boxWidth, int boxHeight, bool textOnLeft) {
    ToggleLayout layout;
    layout.Box = {textOnLeft ? width - boxWidth : 0, (height - boxHeight) / 2, boxWidth, boxHeight};
    int textWidth = std::max(width - boxWidth - kCaptionGap, 0);
    layout.Text = {textOnLeft ? 0 : width - textWidth, 0, textWidth, height};
    return layout;
}

PixelBuffer ToggleGlyphStrip(const ElementPicture& box) {
    Rect cell = FrameCell(box, 1);
    if (cell.Width <= 0 || cell.Height <= 0) return {};
    const struct {
        CheckMark Mark;
        bool Enabled;
    } states[] = {{CheckMark::Unchecked, true}, {CheckMark::Checked, true}, {CheckMark::Unchecked, false},
                  {CheckMark::Checked, false}};
    PixelBuffer strip(cell.Width * 4, cell.Height);
    for (int i = 0; i < 4; ++i)
        strip.Paste(ComposeElement(box, ToggleFrame(states[i].Mark, states[i].Enabled, box.FrameCount), cell.Width,
                                   cell.Height),
                    i * cell.Width, 0);
    return strip;
}
