#include "skin/tab/SkinTab.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "base/win32/WindowClassName.h"
#include "skin/control/ItemRects.h"
#include "skin/control/StateTextColour.h"
#include "skin/data/SkinGdi.h"
#include "skin/frame/SkinFrame.h"
#include "skin/manager/SkinnerFactory.h"

namespace {
bool IsScrollButtons(HWND child) { return WindowClassName(child) == "msctls_updown32"; }

// Where the visible children of the tab control (its scroll buttons and
// the chosen page), or only its scroll buttons, lie, in its client
// coordinates.
std::vector<RECT> ChildPlaces(HWND parent, bool scrollButtonsOnly) {
    std::vector<RECT> places;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child) || (scrollButtonsOnly && !IsScrollButtons(child))) continue;
        RECT place;
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
        places.push_back(place);
    }
    return places;
}

}  // namespace

Rect TabControlPane(HWND tabs) {
    RECT client;
    GetClientRect(tabs, &client);
    TabStrip strip{.Items = ItemRects(tabs, TCM_GETITEMCOUNT, TCM_GETITEMRECT),
                   .VisibleRight = int(client.right),
                   .Buttons = (GetWindowLongW(tabs, GWL_STYLE) & TCS_BUTTONS) != 0};
    return LayOutTabStrip(client.right, client.bottom, strip).Pane;
}

bool TSkinTab::CanSkin(const TSkinData& skin) {
    return skin.Tabs && !skin.Tabs->Image.Empty() && skin.Element("Tab.Pane");
}

void TSkinTab::Attach(TWinControl& control, bool recolour) {
    TSkinControl::Attach(control, recolour);
    SkinChildren();
}

void TSkinTab::AttachWindow(HWND window) {
    TSkinControl::AttachWindow(window);
    SkinChildren();
}

void TSkinTab::SkinChildren() {
    TSkinFrame::TState frame = Frame().State();
    if (State() != Attached || frame == TSkinFrame::Destroying || frame == TSkinFrame::Dead) return;
    for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SkinnerKind kind = ChildSkinnerKind(child);
        if (kind == SkinnerKind::None || Frame().HoldsSkinnerFor(child)) continue;
        TWinControl* control = TWinControl::FromHandle(child);
        if (std::unique_ptr<TSkinControl> skinner = CreateSkinner(kind, Frame(), control, child))
            Frame().AddSkinner(std::move(skinner));
    }
}

void TSkinTab::AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case TCM_INSERTITEMA:
    case TCM_INSERTITEMW:
    case WM_SIZE:
        SkinChildren();
        break;
    case WM_PARENTNOTIFY:
        if (LOWORD(wParam) == WM_CREATE) SkinChildren();
        break;
    case WM_MOUSEMOVE: {
        TCHITTESTINFO hit = {{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, 0};
        int hot = int(SendMessageW(Handle(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        if (hot == FHot) break;
        TRACKMOUSEEVENT leave = {sizeof leave, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&leave);
        FollowMouse(hot);
        break;
    }
    case WM_MOUSELEAVE:
        FollowMouse(-1);
        break;
    }
    TSkinControl::AfterMessage(message, wParam, lParam, result);
}

void TSkinTab::FollowMouse(int hot) {
    if (hot == FHot) return;
    FHot = hot;
    Repaint();
}

TabStrip TSkinTab::ReadStrip(int width) const {
    TabStrip strip;
    strip.Items = ItemRects(Handle(), TCM_GETITEMCOUNT, TCM_GETITEMRECT);
    strip.Selected = int(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
    strip.Hot = FHot;
    strip.Enabled = IsWindowEnabled(Handle()) != FALSE;
    strip.Focused = GetFocus() == Handle();
    strip.VisibleRight = width;
    strip.Buttons = (GetWindowLongW(Handle(), GWL_STYLE) & TCS_BUTTONS) != 0;
    for (const RECT& buttons : ChildPlaces(Handle(), true))
        strip.VisibleRight = std::min(strip.VisibleRight, int(buttons.left));
    return strip;
}

std::wstring TSkinTab::TabCaption(int index) const {
    wchar_t text[256] = {};
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = int(std::size(text));
    SendMessageW(Handle(), TCM_GETITEMW, WPARAM(index), reinterpret_cast<LPARAM>(&item));
    return item.pszText ? std::wstring(item.pszText) : std::wstring();
}

void TSkinTab::Draw(HDC dc, const RECT& area) {
    const TSkinBorderElement* tabs = Skin().Tabs.get();
    const TSkinElement* pane = Skin().Element("Tab.Pane");
    int width = area.right - area.left, height = area.bottom - area.top;
    if (!tabs || !pane || width <= 0 || height <= 0) return;
    TabStripLayout layout = LayOut(width, height, ReadStrip(width));
    TOffscreen& picture = Offscreen(width, height);
    PaintBackground(picture, {0, 0});
    if (!layout.Pane.Empty())
        picture.Draw(ComposeElement(pane->Picture(), 1, layout.Pane.Width, layout.Pane.Height), layout.Pane.Left,
                     layout.Pane.Top, pane->Trans);
    for (const TabPlace& tab : layout.Tabs) {
        picture.Draw(TabPicture(tab), tab.Area.Left, tab.Area.Top, tabs->Trans);
        DrawCaption(picture, tab);
    }
    TSavedDC saved(dc);
    LeaveOutChildren(dc);
    picture.CopyTo(dc, area.left, area.top);
}

SkinnerKind TSkinTab::ChildSkinnerKind(HWND child) const {
    if (IsScrollButtons(child)) return SkinnerKind::TSkinUpDown;
    if (WindowClassName(child) == PageClassName()) return SkinnerKind::TSkinTabSheet;
    return SkinnerKind::None;
}

TabStripLayout TSkinTab::LayOut(int width, int height, const TabStrip& strip) const {
    return LayOutTabStrip(width, height, strip);
}

PixelBuffer TSkinTab::TabPicture(const TabPlace& tab) const {
    return ComposeElement(Skin().Tabs->Picture(), tab.Frame, tab.Area.Width, tab.Area.Height);
}

void TSkinTab::DrawCaption(TOffscreen& picture, const TabPlace& tab) {
    TSelection font(picture.DC(), ControlFont());
    SetBkMode(picture.DC(), TRANSPARENT);
    SetTextColor(picture.DC(), ToColorRef(StateTextColour(*Skin().Tabs, tab.Frame, Skin().Colours.ButtonShadow)));
    RECT box = {tab.Area.Left, tab.Area.Top, tab.Area.Left + tab.Area.Width, tab.Area.Top + tab.Area.Height};
    std::wstring caption = TabCaption(tab.Index);
    DrawTextW(picture.DC(), caption.c_str(), int(caption.size()), &box,
              DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void TSkinTab::LeaveOutChildren(HDC dc) const {
    for (const RECT& place : ChildPlaces(Handle(), false))
        ExcludeClipRect(dc, place.left, place.top, place.right, place.bottom);
}
