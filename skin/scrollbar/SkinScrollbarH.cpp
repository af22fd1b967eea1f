#include "skin/scrollbar/SkinScrollbarH.h"

#include "base/win32/User32Extras.h"
#include "gui/ControlMessages.h"
#include "skin/scrollbar/ScrollbarPicture.h"
#include "skin/scrollbar/ScrollbarReading.h"

namespace {
// The program moves the thumb or changes the range through these; the
// user's scrolling comes back from the parent as CN_HSCROLL or CN_VSCROLL.
bool MovesTheThumb(UINT message) {
    switch (message) {
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
    case SBM_SETSCROLLINFO:
    case SBM_ENABLE_ARROWS:
    case CN_HSCROLL:
    case CN_VSCROLL:
        return true;
    default:
        return false;
    }
}
}  // namespace

TSkinScrollbarH::TSkinScrollbarH(TSkinFrame& frame) : TSkinScrollbar(frame) {}

bool TSkinScrollbarH::CanSkin(const TSkinData& skin, HWND bar) {
    return User32Extras().GetScrollBarInfo && ScrollbarElementsOf(skin, KindOfScrollbarControl(bar)).Complete();
}

void TSkinScrollbarH::MakePanels() {
    AddPanel(std::make_unique<TScrollbarPanel>(Skin(), Handle(), TScrollbarPanel::WholeControl{}));
}

void TSkinScrollbarH::AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    TSkinScrollbar::AfterMessage(message, wParam, lParam, result);
    if (MovesTheThumb(message)) FollowBars();
}
