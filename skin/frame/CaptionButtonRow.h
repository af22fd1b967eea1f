#pragma once
#include <windows.h>

#include <functional>
#include <vector>

#include "gui/PressTracker.h"
#include "skin/frame/CaptionLayout.h"
#include "skin/frame/FrameWindow.h"

// The caption buttons of a skinned window: where the caption's painting
// last placed them, and how the mouse presses them through the press
// tracker: a press captures the mouse, the button looks pressed only while
// the pointer is over it, and a release over it clicks it once. The buttons
// of an inactive window take neither hover nor press.
class TCaptionButtonRow {
public:
    TCaptionButtonRow(const TFrameWindow& window, std::function<void()> onChange,
                      std::function<void(int button)> onClick);

    // Where the caption's layout put the buttons, one per caption button of the skin.
    void Place(std::vector<CaptionButtonLayout> places) { FPlaces = std::move(places); }
    const CaptionButtonLayout& PlaceOf(int button) const { return FPlaces[size_t(button)]; }
    // The visible button at a point of the window, enabled or not; -1 for none.
    int ButtonAt(Point at) const;
    CaptionButtonState StateOf(int button) const;

    // Follows one message of the window; true when the press took it.
    bool Track(UINT message, WPARAM wParam, LPARAM lParam);
    TPressTracker& Tracker() { return FTracker; }

private:
    int PressableAt(Point at) const;

    const TFrameWindow& FWindow;
    std::vector<CaptionButtonLayout> FPlaces;
    TPressTracker FTracker;
};
