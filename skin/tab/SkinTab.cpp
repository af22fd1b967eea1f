#include "skin/tab/SkinTab.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "base/win32/WindowClassName.h"
#include "skin/control/ItemRects.h"
#include "skin/control/StateTextColour.h"
#include "skin/data/SkinGdi.h"
#include "skin/frame/SkinFrame.h"
#include "skin/manager/ChildWindowDispatch.h"
#include "skin/manager/SkinnerRows.h"

namespace {
// Where the scroll buttons of the tab control lie, in its client
// coordinates, while they show.
std::vector<RECT> ScrollButtonPlaces(HWND tabs) {
    std::vector<RECT> places;
    for (HWND child = GetWindow(tabs, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child) || WindowClassName(child) != UPDOWN_CLASSA) continue;
        RECT place;
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, tabs, reinterpret_cast<POINT*>(&place), 2);
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

// The control chooses a tab on the press itself; parts are its tabs.
TSkinTab::TSkinTab(TSkinFrame& frame) : TSkinControl(frame) {
    TrackPresses({.PartAt = [this](POINT at) { return TabAt(at); },
                  .OnChange = [this] { Repaint(); },
                  .Mode = TPressTracker::TMode::Follows});
}

void TSkinTab::AfterAttach() { SkinChildren(); }

int TSkinTab::TabAt(POINT at) const {
    TCHITTESTINFO hit = {at, 0};
    return int(SendMessageW(Handle(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

void TSkinTab::SkinChildren() {
    TSkinFrame::TState frame = Frame().State();
    if (State() != Attached || frame == TSkinFrame::Destroying || frame == TSkinFrame::Dead) return;
    for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SkinnerKind kind = DecideTabChild(Kind(), WindowClassName(child));
        if (kind == SkinnerKind::None || Frame().HoldsSkinnerFor(child)) continue;
        TWinControl* control = TWinControl::FromHandle(child);
        if (std::unique_ptr<TSkinControl> skinner = CreateSkinner(kind, Frame(), {child, control}))
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
    }
    TSkinControl::AfterMessage(message, wParam, lParam, result);
}

TabStrip TSkinTab::ReadStrip(int width) const {
    TabStrip strip;
    strip.Items = ItemRects(Handle(), TCM_GETITEMCOUNT, TCM_GETITEMRECT);
    strip.Selected = int(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
    strip.Hot = PressLook().Hot;
    strip.Enabled = IsWindowEnabled(Handle()) != FALSE;
    strip.Focused = GetFocus() == Handle();
    strip.VisibleRight = width;
    strip.Buttons = (GetWindowLongW(Handle(), GWL_STYLE) & TCS_BUTTONS) != 0;
    for (const RECT& buttons : ScrollButtonPlaces(Handle()))
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

void TSkinTab::Draw(TOffscreen& picture) {
    const TSkinElement* pane = Skin().Element("Tab.Pane");
    TabStripLayout layout = LayOut(picture.Width(), picture.Height(), ReadStrip(picture.Width()));
    if (!layout.Pane.Empty())
        DrawElement(picture, layout.Pane, pane->Picture(), 1);
    for (const TabPlace& tab : layout.Tabs) {
        DrawTab(picture, tab);
        DrawCaption(picture, tab);
    }
}

TabStripLayout TSkinTab::LayOut(int width, int height, const TabStrip& strip) const {
    return LayOutTabStrip(width, height, strip);
}

void TSkinTab::DrawTab(TOffscreen& picture, const TabPlace& tab) const {
    DrawElement(picture, tab.Area, Skin().Tabs->Picture(), tab.Frame);
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
