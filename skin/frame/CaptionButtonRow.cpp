#include "skin/frame/CaptionButtonRow.h"

TCaptionButtonRow::TCaptionButtonRow(const TFrameWindow& window, std::function<void()> onChange,
                                     std::function<void(int button)> onClick)
    : FWindow(window),
      FTracker({.PartAt = [this](POINT at) { return PressableAt({int(at.x), int(at.y)}); },
                .OnChange = std::move(onChange),
                .OnClick = std::move(onClick),
                .Mode = TPressTracker::TMode::Clicks,
                .Area = TPressTracker::TArea::NonClient}) {}

// Places from a skin that has since lost buttons count for nothing.
int TCaptionButtonRow::ButtonAt(Point at) const {
    int button = CaptionButtonAt(FPlaces, at);
    return size_t(button) < FWindow.Skin.CaptionButtons.size() ? button : -1;
}

int TCaptionButtonRow::PressableAt(Point at) const {
    if (!FWindow.Active) return -1;
    int button = ButtonAt(at);
    return button >= 0 && FPlaces[size_t(button)].Enabled ? button : -1;
}

CaptionButtonState TCaptionButtonRow::StateOf(int button) const {
    TPressLook look = FTracker.Look();
    if (look.Pressed == button) return CaptionButtonState::Pressed;
    return look.Hot == button ? CaptionButtonState::Hot : CaptionButtonState::Normal;
}

bool TCaptionButtonRow::Track(UINT message, WPARAM wParam, LPARAM lParam) {
    return FTracker.Track(FWindow.Handle, message, wParam, lParam);
}
