#include "skin/list/HeaderLayout.h"

#include <algorithm>

int HeaderFrame(const HeaderStrip& strip, int index) {
    if (!strip.Enabled) return 3;
    if (index == kHeaderFiller) return 1;
    if (index == strip.Pressed) return 2;
    if (index == strip.Hot) return 4;
    return index == strip.Sorted ? 5 : 1;
}

std::vector<HeaderSection> LayOutHeader(int width, int height, const HeaderStrip& strip) {
    std::vector<HeaderSection> sections;
    int end = 0;
    for (int index = 0; index < int(strip.Items.size()); ++index) {
        const Rect& item = strip.Items[index];
        int left = std::max(item.Left, 0), right = std::min(item.Left + item.Width, width);
        end = std::max(end, right);
        if (right > left && height > 0)
            sections.push_back({index, {left, 0, right - left, height}, HeaderFrame(strip, index)});
    }
    if (end < width && height > 0)
        sections.push_back({kHeaderFiller, {end, 0, width - end, height}, HeaderFrame(strip, kHeaderFiller)});
    return sections;
}
