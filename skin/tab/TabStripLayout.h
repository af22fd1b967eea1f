#pragma once
#include <vector>

#include "skin/draw/PixelBuffer.h"

// What a skinned tab control shows: its tabs as the control itself places
// them (so that clicks land where the tabs are drawn), which one is chosen,
// which one the mouse is over (-1 for none), and how far its row reaches
// before the scroll buttons (the whole width without them). Tabs in the
// button style stand apart as buttons, without a pane.
struct TabStrip {
    std::vector<Rect> Items;
    int Selected = -1, Hot = -1;
    bool Enabled = true, Focused = false;
    int VisibleRight = 0;
    bool Buttons = false;
};

// One tab as drawn: its index, where, and its frame of the five-state
// element.
struct TabPlace {
    int Index = 0;
    Rect Area;
    int Frame = 1;
};

// The pane below the tab rows, and the tabs in the order they are drawn:
// the chosen one last, standing 2 pixels wider on each side, raised to the
// row's top and reaching one pixel into the pane so that it opens into it;
// the others kTabLowered pixels lower and standing on the pane. Button
// tabs keep their places, in their order, and the pane is empty.
struct TabStripLayout {
    Rect Pane;
    std::vector<TabPlace> Tabs;
};

inline constexpr int kTabLowered = 2, kTabWidening = 2;

// Frames of the Tabs element: 1 normal, 2 chosen, 3 disabled (every tab of
// a disabled control), 4 under the mouse, 5 chosen while the control has
// the focus.
int TabFrame(const TabStrip& strip, int index);

// The layout of a control of width x height. Tabs are cut at VisibleRight
// and at the left edge; a tab with nothing left to show is not drawn.
TabStripLayout LayOutTabStrip(int width, int height, const TabStrip& strip);

// Tabs that hang below a strip of pane, as a tab set at the foot of a
// notebook shows them (the control places its tabs at its bottom edge):
// the layout above turned upside down, the pane above the row and the
// chosen tab reaching one pixel up into it. Each tab's picture is meant to
// be drawn upside down too.
TabStripLayout LayOutHangingTabs(int width, int height, const TabStrip& strip);
