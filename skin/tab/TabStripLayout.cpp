#include "skin/tab/TabStripLayout.h"

#include <algorithm>

namespace {
// The part of area inside the control and left of right.
Rect CutAt(Rect area, int right, int height) {
    int left = std::max(area.Left, 0);
    int end = std::min(area.Left + area.Width, right);
    int top = std::max(area.Top, 0);
    int bottom = std::min(area.Top + area.Height, height);
    return {left, top, end - left, bottom - top};
}

int RowBottom(const std::vector<Rect>& items) {
    int bottom = 0;
    for (const Rect& item : items) bottom = std::max(bottom, item.Top + item.Height);
    return bottom;
}

TabStripLayout LayOutButtons(int width, int height, const TabStrip& strip) {
    TabStripLayout layout;
    int right = std::min(strip.VisibleRight, width);
    for (int index = 0; index < int(strip.Items.size()); ++index) {
        Rect area = CutAt(strip.Items[index], right, height);
        if (!area.Empty()) layout.Tabs.push_back({index, area, TabFrame(strip, index)});
    }
    return layout;
}
}  // namespace

int TabFrame(const TabStrip& strip, int index) {
    if (!strip.Enabled) return 3;
    if (index == strip.Selected) return strip.Focused ? 5 : 2;
    return index == strip.Hot ? 4 : 1;
}

TabStripLayout LayOutTabStrip(int width, int height, const TabStrip& strip) {
    if (strip.Buttons) return LayOutButtons(width, height, strip);
    TabStripLayout layout;
    int rowBottom = std::min(RowBottom(strip.Items), height);
    layout.Pane = {0, rowBottom, width, height - rowBottom};
    int right = std::min(strip.VisibleRight, width);
    std::vector<TabPlace> chosen;
    for (int index = 0; index < int(strip.Items.size()); ++index) {
        const Rect& item = strip.Items[index];
        bool selected = index == strip.Selected;
        Rect area = selected ? Rect{item.Left - kTabWidening, item.Top, item.Width + 2 * kTabWidening,
                                    rowBottom - item.Top + 1}
                             : Rect{item.Left, item.Top + kTabLowered, item.Width, rowBottom - item.Top - kTabLowered};
        area = CutAt(area, right, height);
        if (area.Empty()) continue;
        (selected ? chosen : layout.Tabs).push_back({index, area, TabFrame(strip, index)});
    }
    layout.Tabs.insert(layout.Tabs.end(), chosen.begin(), chosen.end());
    return layout;
}

TabStripLayout LayOutHangingTabs(int width, int height, const TabStrip& strip) {
    auto turn = [height](const Rect& area) {
        return Rect{area.Left, height - area.Top - area.Height, area.Width, area.Height};
    };
    TabStrip turned = strip;
    for (Rect& item : turned.Items) item = turn(item);
    TabStripLayout layout = LayOutTabStrip(width, height, turned);
    if (!layout.Pane.Empty()) layout.Pane = turn(layout.Pane);
    for (TabPlace& tab : layout.Tabs) tab.Area = turn(tab.Area);
    return layout;
}
