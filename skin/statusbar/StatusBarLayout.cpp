#include "skin/statusbar/StatusBarLayout.h"

#include <algorithm>

StatusBarLayout LayOutStatusBar(int width, int height, const StatusBarParts& parts) {
    StatusBarLayout layout;
    bool grip = parts.SizeGrip && parts.GripWidth > 0;
    if (grip) layout.Grip = {width - parts.GripWidth, 0, parts.GripWidth, height};
    int end = grip ? layout.Grip.Left : width - kStatusPanelGap;
    int panelHeight = height - kStatusPanelTop - 1;
    if (panelHeight <= 0) return layout;
    std::vector<int> edges = parts.Simple ? std::vector<int>{-1} : parts.RightEdges;
    int left = kStatusPanelGap;
    for (int part = 0; part < int(edges.size()); ++part) {
        int right = edges[part] < 0 ? end : std::min(edges[part], end);
        if (right > left) layout.Panels.push_back({part, {left, kStatusPanelTop, right - left, panelHeight}});
        left = std::max(left, right + kStatusPanelGap);
    }
    return layout;
}
