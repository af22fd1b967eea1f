#include "skin/tab/TabSheetLayout.h"

std::optional<Rect> PaneSeenFromPage(const Rect& pane, const Rect& page) {
    if (pane.Empty() || page.Empty()) return std::nullopt;
    bool apart = page.Left >= pane.Left + pane.Width || pane.Left >= page.Left + page.Width ||
                 page.Top >= pane.Top + pane.Height || pane.Top >= page.Top + page.Height;
    if (apart) return std::nullopt;
    return Rect{pane.Left - page.Left, pane.Top - page.Top, pane.Width, pane.Height};
}
