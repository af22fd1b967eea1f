#pragma once
#include <vector>

#include "skin/draw/PixelBuffer.h"

// A sunken panel and the part of the bar whose text it shows.
struct StatusPanelPlace {
    int Part = 0;
    Rect Area;
};

// Where a skinned status bar draws its sunken panels and its size grip.
struct StatusBarLayout {
    std::vector<StatusPanelPlace> Panels;
    Rect Grip;  // empty without a grip
};

// What the bar holds: the right edges of its parts as the control keeps
// them (-1: to the bar's end), one panel across instead while simple, and
// a size grip gripWidth wide at its right end when it has one.
struct StatusBarParts {
    std::vector<int> RightEdges;
    bool Simple = false;
    bool SizeGrip = false;
    int GripWidth = 0;
};

// The panels stand kStatusPanelGap apart and that far in from the bar's
// left end, kStatusPanelTop below its top and one pixel above its bottom;
// they end before the grip, or kStatusPanelGap before the bar's end. A part
// with no room left is not shown.
inline constexpr int kStatusPanelGap = 2, kStatusPanelTop = 2;
StatusBarLayout LayOutStatusBar(int width, int height, const StatusBarParts& parts);
