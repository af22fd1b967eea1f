#include "skin/menu/MenuBarLayout.h"

int MenuBarIndent(int barWidth, const TSkinElement* menuBar, bool rightToLeft) {
    if (!menuBar) return 6;
    int64_t indent = rightToLeft ? int64_t(ClampSize(menuBar->RightWidth)) + 8 : int64_t(ClampSize(menuBar->LeftWidth)) + 4;
    return barWidth < indent ? 12 : int(indent);
}

std::vector<Rect> LayoutMenuBar(const std::vector<MenuBarItemSize>& items, Rect bar, const TSkinElement* menuBar,
                                bool rightToLeft) {
    std::vector<Rect> rects;
    int height = ClampSize(int64_t(bar.Height) - 1);
    int64_t indent = MenuBarIndent(bar.Width, menuBar, rightToLeft);
    // The leading edge of the next item: its left, or its right from the right.
    int64_t edge = rightToLeft ? RightOf(bar) - indent : int64_t(bar.Left) + indent;
    for (const MenuBarItemSize& item : items) {
        int64_t width = item.Visible ? ClampSize(int64_t(item.CaptionWidth) + 10) : 0;
        int64_t left = rightToLeft ? edge - width : edge;
        rects.push_back({ClampCoordinate(left), bar.Top, int(width), height});
        edge = rightToLeft ? left : left + width;
    }
    return rects;
}

int MenuBarItemAt(const std::vector<Rect>& items, Point point) {
    for (size_t i = 0; i < items.size(); ++i)
        if (Contains(items[i], point)) return int(i);
    return -1;
}
