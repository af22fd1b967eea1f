#include "skin/win32/ScrollbarReading.h"

#include "skin/win32/User32Extras.h"

namespace {
bool Unavailable(DWORD state) { return state & STATE_SYSTEM_UNAVAILABLE; }
}  // namespace

bool ReadScrollbar(HWND control, ScrollbarKind kind, ScrollbarFacts& facts, RECT& screen) {
    auto getInfo = User32Extras().GetScrollBarInfo;
    if (!getInfo) return false;
    SCROLLBARINFO info = {sizeof info};
    LONG bar = kind == ScrollbarKind::Horizontal ? OBJID_HSCROLL : OBJID_VSCROLL;
    if (!getInfo(control, bar, &info) || (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)))
        return false;
    screen = info.rcScrollBar;
    facts = {.Kind = kind,
             .Width = screen.right - screen.left,
             .Height = screen.bottom - screen.top,
             .ThumbStart = info.xyThumbTop,
             .ThumbEnd = info.xyThumbBottom,
             .Enabled = !Unavailable(info.rgstate[0]) && IsWindowEnabled(control),
             .FirstArrowEnabled = !Unavailable(info.rgstate[1]),
             .SecondArrowEnabled = !Unavailable(info.rgstate[5])};
    return facts.Width > 0 && facts.Height > 0;
}
