#include "skin/frame/CaptionText.h"

namespace {

enum Alignment { kLeft = 0, kCentre = 1, kRight = 2 };

int64_t ClipRightOf(const CaptionTextInput& input, const TSkinTitleElement& title) {
    if (input.RightButtonsLeft) return *input.RightButtonsLeft;
    return int64_t(input.WindowWidth) - title.TextRightClip;
}

int64_t BlockLeft(const CaptionTextInput& input, const TSkinTitleElement& title, int64_t blockWidth) {
    int alignment = input.RightToLeft ? kRight : title.TextAlignment;
    switch (alignment) {
    case kCentre:
        return (input.WindowWidth - blockWidth) / 2;
    case kRight:
        return int64_t(input.WindowWidth) - title.TextRightClip - blockWidth;
    default:
        return int64_t(title.TextShift) - (input.DialogKind ? 16 : 0);
    }
}

}  // namespace

CaptionTextLayout LayoutCaptionText(const CaptionTextInput& input, const TSkinTitleElement& title) {
    int64_t backLeft = ClampSize(title.TextBackLeft), backRight = ClampSize(title.TextBackRight);
    int64_t textWidth = ClampSize(input.TextWidth), textHeight = ClampSize(input.TextHeight);
    int64_t blockWidth = textWidth + backLeft + backRight;
    int64_t clipRight = std::clamp<int64_t>(ClipRightOf(input, title), 0, std::max(input.WindowWidth, 0));
    // A text wider than its place starts at the window's edge and ends in
    // an ellipsis rather than running off the left.
    int64_t blockLeft = std::clamp<int64_t>(BlockLeft(input, title, blockWidth), 0, clipRight);
    int64_t textLeft = std::min(blockLeft + backLeft, clipRight);
    int64_t textTop = (input.CaptionHeight - textHeight) / 2 + title.TextShiftVert / 2;

    CaptionTextLayout layout;
    layout.ClipRight = ClampCoordinate(clipRight);
    layout.TextRect = RectFromEdges(textLeft, textTop, std::min(textLeft + textWidth, clipRight), textTop + textHeight);
    if (!title.Image.Empty()) {
        int64_t backHeight = std::min<int64_t>(title.Image.Height(), std::max(input.CaptionHeight, 0));
        int64_t backTop = (input.CaptionHeight - backHeight) / 2;
        layout.TextBackRect =
            RectFromEdges(blockLeft, backTop, std::min(blockLeft + blockWidth, clipRight), backTop + backHeight);
    }
    return layout;
}
