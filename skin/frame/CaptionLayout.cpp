#include "skin/frame/CaptionLayout.h"

namespace {

std::optional<int> LeftmostRightAlignedButton(const TSkinData& skin, const std::vector<CaptionButtonLayout>& buttons) {
    std::optional<int> left;
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (!buttons[i].Visible || !IsRightAligned(skin.CaptionButtons[i])) continue;
        left = std::min(left.value_or(buttons[i].Bounds.Left), buttons[i].Bounds.Left);
    }
    return left;
}

}  // namespace

CaptionLayout LayoutCaption(const TSkinData& skin, const CaptionLayoutInput& input, const CaptionButtonWindow& window) {
    CaptionLayout layout;
    CaptionButtonPlace place;
    place.WindowWidth = input.Window.Width;
    place.RightBorder = input.Metrics.Right;
    place.MenuBar = LayoutFrameParts(input.Window, input.Metrics).MenuBar;
    place.MenuBarRightWidth = skin.MenuBar ? ClampSize(skin.MenuBar->RightWidth) : 0;

    for (const TSkinSysButtonElement& button : skin.CaptionButtons) {
        CaptionButtonAvailability availability = CaptionButtonAvailabilityFor(button, window);
        CaptionButtonLayout placed{{}, availability.Visible, availability.Enabled};
        if (!FollowsCaptionText(button)) placed.Bounds = PlaceCaptionButton(button, place);
        layout.Buttons.push_back(placed);
    }

    CaptionTextInput text;
    text.WindowWidth = input.Window.Width;
    text.CaptionHeight = input.Metrics.Caption;
    text.TextWidth = input.TextWidth;
    text.TextHeight = input.TextHeight;
    text.RightToLeft = window.Flags.RightToLeft;
    text.DialogKind = window.Flags.Border == BorderKind::Dialog;
    if (window.Flags.Popup) text.RightButtonsLeft = LeftmostRightAlignedButton(skin, layout.Buttons);
    layout.Text = LayoutCaptionText(text, skin.Title);

    place.Text = layout.Text.TextRect;
    for (size_t i = 0; i < skin.CaptionButtons.size(); ++i)
        if (FollowsCaptionText(skin.CaptionButtons[i]))
            layout.Buttons[i].Bounds = PlaceCaptionButton(skin.CaptionButtons[i], place);
    return layout;
}

int CaptionButtonAt(const std::vector<CaptionButtonLayout>& buttons, Point point) {
    for (size_t i = buttons.size(); i-- > 0;)
        if (buttons[i].Visible && Contains(buttons[i].Bounds, point)) return int(i);
    return -1;
}
