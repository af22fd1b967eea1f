#include "skin/scrollbar/ComboxScrollBar.h"

#include "base/win32/Handles.h"
#include "skin/draw/Offscreen.h"
#include "skin/scrollbar/ScrollbarPicture.h"
#include "skin/scrollbar/ScrollbarReading.h"
#include "skin/scrollbar/SkinScrollbar.h"

namespace {
// The list's message that starts its tracking of the mouse for the combo
// box as it drops down.
constexpr UINT kStartTrack = 430;

// The system's scrolling loop, which a press on the bar runs, and the
// keyboard, whose selection the list tells its combo box of, draw the
// system's bar with no way to hold it back: the skin's follows them.
bool RunsTheSystemsBar(UINT message) {
    switch (message) {
    case WM_NCLBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case kStartTrack:
    case WM_KEYDOWN:
        return true;
    default:
        return false;
    }
}
}  // namespace

bool TComboxScrollBar::CanSkin(const TSkinData& skin) {
    return TSkinScrollbar::CanSkin(skin) && ScrollbarElementsOf(skin, ScrollbarKind::Vertical).Complete();
}

// The list scrolls, sizes or changes its range, and draws the system's bar
// at once.
bool TComboxScrollBar::ChangesLook(UINT message) const {
    switch (message) {
    case WM_SIZE:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    case LB_SETTOPINDEX:
    case LB_SETCURSEL:
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
    case LB_RESETCONTENT:
        return true;
    default:
        return false;
    }
}

void TComboxScrollBar::AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    TSkinControl::AfterMessage(message, wParam, lParam, result);
    if (RunsTheSystemsBar(message)) Repaint();
}

bool TComboxScrollBar::ReadBar(ScrollbarFacts& facts, RECT& place) const {
    RECT window;
    if (!IsWindowVisible(Handle()) || !ReadScrollbar(Handle(), ScrollbarKind::Vertical, facts, place)) return false;
    GetWindowRect(Handle(), &window);
    OffsetRect(&place, -window.left, -window.top);
    return true;
}

TRegion TComboxScrollBar::SkinnedFramePart() const {
    ScrollbarFacts facts;
    RECT place = {};
    if (!ReadBar(facts, place)) SetRectEmpty(&place);
    return TRegion(CreateRectRgnIndirect(&place));
}

void TComboxScrollBar::Draw(TOffscreen& canvas) {
    RECT place;
    if (!ReadBar(FFacts, place)) return;
    canvas.Draw(ComposeScrollbar(FFacts, {}, ScrollbarElementsOf(Skin(), ScrollbarKind::Vertical)), place.left,
                place.top);
}
