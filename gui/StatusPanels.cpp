#include "gui/StatusPanels.h"

#include <algorithm>

std::vector<int> PanelRightEdges(const std::vector<int>& widths) {
    std::vector<int> edges;
    int right = 0;
    for (int width : widths) {
        right += std::max(width, 0);
        edges.push_back(right);
    }
    if (!edges.empty()) edges.back() = -1;
    return edges;
}
