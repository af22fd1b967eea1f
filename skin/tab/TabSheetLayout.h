#pragma once
#include <optional>

#include "skin/draw/PixelBuffer.h"

// A page of a tab control shows the part of the control's pane that lies
// under it, so that page and pane read as one surface: the pane's place in
// the page's own coordinates (page and pane both given in the control's
// client coordinates). Nothing when there is no pane (tabs in the button
// style) or the page lies wholly outside it.
std::optional<Rect> PaneSeenFromPage(const Rect& pane, const Rect& page);
