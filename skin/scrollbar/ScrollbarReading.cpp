#include "skin/scrollbar/ScrollbarReading.h"

#include "base/win32/User32Extras.h"

namespace {
bool Unavailable(DWORD state) { return state & STATE_SYSTEM_UNAVAILABLE; }

bool ReadObject(HWND window, LONG object, ScrollbarKind kind, ScrollbarFacts& facts, RECT& screen) {
    auto getInfo = User32Extras().GetScrollBarInfo;
    if (!getInfo) return false;
    SCROLLBARINFO info = {sizeof info};
    if (!getInfo(window, object, &info) || (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)))
        return false;
    screen = info.rcScrollBar;
    facts = {.Kind = kind,
             .Width = screen.right - screen.left,
             .Height = screen.bottom - screen.top,
             .ThumbStart = info.xyThumbTop,
             .ThumbEnd = info.xyThumbBottom,
             .Enabled = !Unavailable(info.rgstate[0]) && IsWindowEnabled(window),
             .FirstArrowEnabled = !Unavailable(info.rgstate[1]),
             .SecondArrowEnabled = !Unavailable(info.rgstate[5])};
    return facts.Width > 0 && facts.Height > 0;
}
}  // namespace

bool ReadScrollbar(HWND control, ScrollbarKind kind, ScrollbarFacts& facts, RECT& screen) {
    return ReadObject(control, kind == ScrollbarKind::Horizontal ? OBJID_HSCROLL : OBJID_VSCROLL, kind, facts, screen);
}

bool ReadScrollbarControl(HWND bar, ScrollbarFacts& facts, RECT& screen) {
    return ReadObject(bar, OBJID_CLIENT, KindOfScrollbarControl(bar), facts, screen);
}

ScrollbarKind KindOfScrollbarControl(HWND bar) {
    return GetWindowLongW(bar, GWL_STYLE) & SBS_VERT ? ScrollbarKind::Vertical : ScrollbarKind::Horizontal;
}
