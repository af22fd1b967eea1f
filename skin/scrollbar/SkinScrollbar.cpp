#include "skin/scrollbar/SkinScrollbar.h"

#include <algorithm>

#include "base/win32/Handles.h"
#include "base/win32/User32Extras.h"
#include "gui/ControlMessages.h"
#include "skin/data/SkinGdi.h"
#include "skin/frame/SkinFrame.h"
#include "skin/scrollbar/ScrollbarPicture.h"

namespace {
const ScrollbarKind kKinds[] = {ScrollbarKind::Horizontal, ScrollbarKind::Vertical};

// Edit boxes tell of scrolling and of text that changes the thumb only
// through their parent, which hands it back as CN_COMMAND.
bool MovesTheBars(WORD notifyCode) {
    return notifyCode == EN_CHANGE || notifyCode == EN_UPDATE || notifyCode == EN_HSCROLL || notifyCode == EN_VSCROLL;
}
}  // namespace

bool TSkinScrollbar::CanSkin(const TSkinData& skin) {
    if (!User32Extras().GetScrollBarInfo) return false;
    for (ScrollbarKind kind : kKinds)
        if (ScrollbarElementsOf(skin, kind).Complete()) return true;
    return false;
}

// Lays the panels over the bars of the control.
void TSkinScrollbar::AfterAttach() {
    MakePanels();
    FollowBars();
    PaintCorner();
}

void TSkinScrollbar::MakePanels() {
    for (ScrollbarKind kind : kKinds)
        if (ScrollbarElementsOf(Skin(), kind).Complete())
            AddPanel(std::make_unique<TScrollbarPanel>(Skin(), Handle(), kind));
}

void TSkinScrollbar::AddPanel(std::unique_ptr<TScrollbarPanel> panel) {
    ScrollbarKind kind = panel->Kind();
    FPanels[int(kind)] = std::move(panel);
}

// The native bars and their corner come back as the base detaches.
void TSkinScrollbar::BeforeDetach() {
    for (auto& panel : FPanels) panel.reset();
}

void TSkinScrollbar::Refresh() {
    TSkinControl::Refresh();
    FollowBars();
}

TScrollbarPanel* TSkinScrollbar::Panel(ScrollbarKind kind) const { return FPanels[int(kind)].get(); }

void TSkinScrollbar::FollowBars() {
    for (auto& panel : FPanels)
        if (panel) panel->Follow();
}

// Where the two bars meet the system paints a box of its own colour.
void TSkinScrollbar::PaintCorner() {
    TScrollbarPanel* horizontal = Panel(ScrollbarKind::Horizontal);
    TScrollbarPanel* vertical = Panel(ScrollbarKind::Vertical);
    if (!horizontal || !vertical || !horizontal->Shows() || !vertical->Shows()) return;
    RECT window, across, down;
    GetWindowRect(Handle(), &window);
    GetWindowRect(horizontal->Handle(), &across);
    GetWindowRect(vertical->Handle(), &down);
    // Some systems let the bars overlap by a line; the box starts past both.
    RECT corner = {std::max(down.left, across.right) - window.left, std::max(across.top, down.bottom) - window.top,
                   down.right - window.left, across.bottom - window.top};
    TWindowDC dc(Handle(), TWindowDC::Whole);
    FillRect(dc.Get(), &corner, SkinGdiOf(Skin()).ButtonFaceBrush());
}

void TSkinScrollbar::AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    TSkinControl::AfterMessage(message, wParam, lParam, result);
    switch (message) {
    case WM_NCPAINT:
        FollowBars();
        PaintCorner();
        break;
    case WM_SETTEXT:
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    case WM_ENABLE:
    case SkinNotification::VisibleChanged:
    case SkinNotification::EnabledChanged:
        FollowBars();
        break;
    case CN_COMMAND:
        if (MovesTheBars(HIWORD(wParam))) FollowBars();
        break;
    }
}

void TSkinScrollbar::PaintingSwitched() {
    if (PaintingEnabled()) {
        FollowBars();
        PaintCorner();
        return;
    }
    for (auto& panel : FPanels)
        if (panel) panel->Hide();
    RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}
