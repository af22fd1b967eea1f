#pragma once
#include <vector>

// The right edges of a status bar's panels, from their widths, as the status
// bar control takes them: the last panel runs to the bar's right end (-1).
// A negative width counts as none.
std::vector<int> PanelRightEdges(const std::vector<int>& widths);
