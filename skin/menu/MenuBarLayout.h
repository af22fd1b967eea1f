#pragma once
#include <string>
#include <vector>

#include "skin/data/SkinElements.h"
#include "skin/frame/FrameCoordinates.h"

// One item of the skinned menu bar as the layout sees it.
struct MenuBarItemSize {
    int CaptionWidth = 0;  // measured in the system menu font
    bool Visible = true;
};

// Item rectangles in the coordinates of `bar` (the strip below the caption,
// as wide as the client area); hidden items get an empty rectangle at the
// place they would start. `menuBar` is the skin's menuBar element, if any.
std::vector<Rect> LayoutMenuBar(const std::vector<MenuBarItemSize>& items, Rect bar, const TSkinElement* menuBar,
                                bool rightToLeft);

// Distance of the first item from the bar's leading edge.
int MenuBarIndent(int barWidth, const TSkinElement* menuBar, bool rightToLeft);

// Index of the item under a point, or -1.
int MenuBarItemAt(const std::vector<Rect>& items, Point point);
