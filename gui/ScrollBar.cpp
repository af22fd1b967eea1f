#include "gui/ScrollBar.h"

#include <algorithm>

void TScrollBar::Create(TWinControl& parent, const Args& args) {
    FPageSize = std::max(args.PageSize, 0);
    DWORD style = WS_TABSTOP | (args.Orientation == TOrientation::Vertical ? SBS_VERT : SBS_HORZ);
    CreateRanged(parent, {L"TScrollBar", L"SCROLLBAR", style, 0, args.Bounds}, args.Orientation,
                 {args.Min, args.Max}, args.Position);
}

void TScrollBar::SetPageSize(int pageSize) {
    FPageSize = std::max(pageSize, 0);
    SCROLLINFO info = {sizeof info, SIF_PAGE, 0, 0, UINT(FPageSize)};
    SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

void TScrollBar::SendRange(TRange range) {
    SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_PAGE, range.Min, range.Max, UINT(FPageSize)};
    SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

void TScrollBar::SendPosition(int position) {
    SCROLLINFO info = {sizeof info, SIF_POS};
    info.nPos = position;
    SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

int TScrollBar::ReadPosition() const {
    SCROLLINFO info = {sizeof info, SIF_POS};
    return GetScrollInfo(Handle(), SB_CTL, &info) ? info.nPos : Min();
}

// The 16 bits of the notification fall short of a wide range.
int TScrollBar::TrackPosition() const {
    SCROLLINFO info = {sizeof info, SIF_TRACKPOS};
    return GetScrollInfo(Handle(), SB_CTL, &info) ? info.nTrackPos : Position();
}

void TScrollBar::Scroll(UINT, WORD code, WORD) {
    int page = std::max(FPageSize, 1);
    int position = Position();
    switch (code) {
    case SB_LINEUP: position -= 1; break;
    case SB_LINEDOWN: position += 1; break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = TrackPosition(); break;
    case SB_TOP: position = Min(); break;
    case SB_BOTTOM: position = Max(); break;
    default: return;
    }
    // The system keeps the position inside the range and the last page.
    SetPosition(position);
    CallEvent(OnChange, this);
}
