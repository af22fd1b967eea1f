#include "skin/menu/SkinMenuBar.h"

#include <algorithm>

#include "base/win32/Win32Text.h"
#include "gui/Menus.h"
#include "gui/WinControl.h"
#include "skin/data/SkinGdi.h"
#include "skin/draw/ElementDrawing.h"
#include "skin/draw/Offscreen.h"
#include "skin/menu/MenuBarKeys.h"
#include "skin/menu/MenuBarLayout.h"

namespace {
// The bar whose menu is open; only one menu tracks at a time.
TSkinMenuBar* trackingBar = nullptr;

BOOL CALLBACK CountMenuWindow(HWND window, LPARAM count) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (IsWindowVisible(window) && std::wstring(name) == L"#32768") ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// Only the bar's own menu is open, no submenu of it.
bool AtTopLevel() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountMenuWindow, reinterpret_cast<LPARAM>(&count));
    return count <= 1;
}

std::wstring MenuText(HMENU menu, UINT position) {
    wchar_t text[256] = {};
    GetMenuStringW(menu, position, text, 255, MF_BYPOSITION);
    return text;
}

TMenuBarItem ReadItem(HMENU menu, UINT position) {
    MENUITEMINFOW info = {sizeof info, MIIM_ID | MIIM_STATE | MIIM_SUBMENU};
    GetMenuItemInfoW(menu, position, TRUE, &info);
    TMenuBarItem item{MenuText(menu, position), info.wID, info.hSubMenu,
                      !(info.fState & (MFS_GRAYED | MFS_DISABLED))};
    // The framework's item has the last word on its caption and state.
    if (TMenuItem* framework = TMenuItem::FromCommand(info.wID)) {
        item.Caption = Widen(framework->Caption());
        item.Enabled = framework->Enabled();
        if (framework->Submenu()) item.Submenu = framework->Submenu();
    }
    return item;
}
}  // namespace

TSkinMenuBar::TSkinMenuBar(HWND window, HMENU menu, TSkinData& skin, TMenuAnnouncements& menus, bool rightToLeft)
    : FWindow(window),
      FMenu(menu),
      FSkin(skin),
      FMenus(menus),
      FRightToLeft(rightToLeft),
      FTracker({.PartAt = [this](POINT at) { return HoverableAt({int(at.x), int(at.y)}); },
                .OnChange = [this] { PaintItems(); },
                .Mode = TPressTracker::TMode::Follows,
                .Area = TPressTracker::TArea::NonClient}) {
    int count = GetMenuItemCount(FMenu);
    for (int position = 0; position < count; ++position) FItems.push_back(ReadItem(FMenu, UINT(position)));
}

TSkinMenuBar::~TSkinMenuBar() {
    if (trackingBar == this) trackingBar = nullptr;
    if (FHook) UnhookWindowsHookEx(FHook);
}

// A disabled item neither opens nor fires: the keys pass over it.
std::vector<bool> TSkinMenuBar::OpenableItems() const {
    std::vector<bool> openable;
    for (const TMenuBarItem& item : FItems) openable.push_back(item.Enabled);
    return openable;
}

int TSkinMenuBar::ItemAt(Point at) const {
    std::vector<Rect> bounds;
    for (const TMenuBarItem& item : FItems) bounds.push_back(item.Bounds);
    return MenuBarItemAt(bounds, at);
}

// Disabled items, and the items of an inactive window, are never framed.
int TSkinMenuBar::HoverableAt(Point at) const {
    int index = FActive ? ItemAt(at) : -1;
    return index >= 0 && FItems[size_t(index)].Enabled ? index : -1;
}

bool TSkinMenuBar::Framed(int index) const {
    TPressLook look = FTracker.Look();
    return index == FOpenIndex || index == look.Hot || index == look.Pressed;
}

void TSkinMenuBar::Layout(HDC measuring) {
    TSelection font(measuring, MenuFont());
    std::vector<MenuBarItemSize> sizes;
    for (const TMenuBarItem& item : FItems) {
        RECT box = {};
        DrawTextW(measuring, item.Caption.c_str(), int(item.Caption.size()), &box, DT_CALCRECT | DT_SINGLELINE);
        sizes.push_back({int(box.right), true});
    }
    std::vector<Rect> bounds = LayoutMenuBar(sizes, FBar, FSkin.MenuBar.get(), FRightToLeft);
    for (size_t i = 0; i < FItems.size() && i < bounds.size(); ++i) FItems[i].Bounds = bounds[i];
}

void TSkinMenuBar::ComposeBackground(bool active) {
    const TSkinElement* element = FSkin.MenuBar.get();
    if (element && !element->Image.Empty()) {
        FBackground = ComposeElement(element->Picture(), active ? 1 : 2, FBar.Width, FBar.Height);
    } else {
        FBackground = PixelBuffer(FBar.Width, FBar.Height, PixelFromColor(FSkin.Colours.Menubar));
    }
}

void TSkinMenuBar::Paint(HDC windowDC, Rect bar, bool active) {
    FBar = bar;
    FActive = active;
    ComposeBackground(active);
    TOffscreen canvas(bar.Width, bar.Height);
    canvas.Draw(FBackground, 0, 0);
    canvas.CopyTo(windowDC, bar.Left, bar.Top);
    Layout(windowDC);
    PaintItems();
}

void TSkinMenuBar::PaintItems() {
    for (size_t i = 0; i < FItems.size(); ++i) PaintItem(int(i));
}

// From the saved background: a frame in the skin's highlight colour while
// hot or open, the caption with its accelerator underlined.
void TSkinMenuBar::PaintItem(int index) {
    const TMenuBarItem& item = FItems[size_t(index)];
    if (item.Bounds.Empty() || FBackground.Empty()) return;
    TOffscreen canvas(item.Bounds.Width, item.Bounds.Height);
    canvas.Draw(FBackground, FBar.Left - item.Bounds.Left, FBar.Top - item.Bounds.Top);
    RECT box = {0, 0, item.Bounds.Width, item.Bounds.Height};
    HDC dc = canvas.DC();
    if (Framed(index)) FrameRect(dc, &box, SolidBrush(ToColorRef(FSkin.Colours.ButtonHilight)));
    TSelection font(dc, MenuFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(item.Enabled ? FSkin.Colours.MenuBarText : FSkin.Colours.ButtonShadow));
    DrawTextW(dc, item.Caption.c_str(), int(item.Caption.size()), &box, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    TWindowDC window(FWindow, TWindowDC::Whole);
    canvas.CopyTo(window.Get(), item.Bounds.Left, item.Bounds.Top);
}

void TSkinMenuBar::Follow(UINT message, WPARAM wParam, LPARAM lParam) {
    FTracker.Track(FWindow, message, wParam, lParam);
}

void TSkinMenuBar::OpenAt(POINT window) {
    int index = ItemAt({int(window.x), int(window.y)});
    if (index >= 0) Open(index);
}

bool TSkinMenuBar::OpenByKey(wchar_t key) {
    std::vector<bool> openable = OpenableItems();
    int index = -1;
    if (key == 0) {
        index = MenuBarItemAfterArrow(openable, -1, MenuArrow::Right, false);
    } else if (key < 0x80) {
        std::vector<std::string> captions;
        for (const TMenuBarItem& item : FItems) captions.push_back(Narrow(item.Caption));
        index = MenuBarItemForAccelerator(captions, openable, char(key));
    }
    if (index < 0) return false;
    Open(index);
    return true;
}

void TSkinMenuBar::Open(int index) {
    if (trackingBar || !Openable(index)) return;
    Track(index);
}

bool TSkinMenuBar::Openable(int index) const {
    return index >= 0 && size_t(index) < FItems.size() && FItems[size_t(index)].Enabled;
}

void TSkinMenuBar::MenuSelected(UINT flags, HMENU) { FSelectedHasSubmenu = flags != 0xFFFF && (flags & MF_POPUP); }

void TSkinMenuBar::Track(int index) {
    while (Openable(index)) {
        TMenuBarItem item = FItems[size_t(index)];
        if (!item.Submenu) {
            // A command on the bar itself: its click, as a native bar would send it.
            PostMessageW(FWindow, WM_COMMAND, item.Command, 0);
            FTracker.Cancel();
            return;
        }
        if (TMenuItem* holder = TMenuItem::FromSubmenu(item.Submenu))
            for (TMenuItem* child : holder->Items()) child->SetOwnerDraw(true);
        FMenus.BeginMenuBarTracking();
        FOpenIndex = index;
        PaintItem(index);
        RECT window;
        GetWindowRect(FWindow, &window);
        TPMPARAMS exclude = {sizeof exclude, ToRECT(item.Bounds)};
        OffsetRect(&exclude.rcExclude, window.left, window.top);
        FNextIndex = -1;
        FSelectedHasSubmenu = false;
        trackingBar = this;
        FHook = SetWindowsHookExW(WH_MSGFILTER, FilterHook, nullptr, GetCurrentThreadId());
        // The menu opens with its first item selected. Posted before it
        // opens, the key comes before any key the user presses meanwhile.
        PostMessageW(FWindow, WM_KEYDOWN, VK_DOWN, 0);
        TrackPopupMenuEx(item.Submenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, exclude.rcExclude.left,
                         exclude.rcExclude.bottom, FWindow, &exclude);
        UnhookWindowsHookEx(FHook);
        FHook = nullptr;
        trackingBar = nullptr;
        FMenus.EndMenuBarTracking();
        FOpenIndex = -1;
        FTracker.Cancel();
        PaintItem(index);
        index = FNextIndex;
    }
}

void TSkinMenuBar::SwitchTo(int index) {
    if (index < 0 || index == FOpenIndex) return;
    FNextIndex = index;
    EndMenu();
}

LRESULT CALLBACK TSkinMenuBar::FilterHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_MENU && trackingBar) {
        bool taken = false;
        RunGuarded([&] { taken = trackingBar->Filter(*reinterpret_cast<MSG*>(lParam)); });
        if (taken) return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool TSkinMenuBar::Filter(MSG& message) {
    switch (message.message) {
    case WM_KEYDOWN: {
        WPARAM key = message.wParam;
        if (FRightToLeft && (key == VK_LEFT || key == VK_RIGHT)) key = key == VK_LEFT ? VK_RIGHT : VK_LEFT;
        if (key == VK_LEFT && AtTopLevel()) {
            SwitchTo(MenuBarItemAfterArrow(OpenableItems(), FOpenIndex, MenuArrow::Left, false));
            return true;
        }
        if (key == VK_RIGHT && !FSelectedHasSubmenu) {
            SwitchTo(MenuBarItemAfterArrow(OpenableItems(), FOpenIndex, MenuArrow::Right, false));
            return true;
        }
        return false;
    }
    case WM_MOUSEMOVE: {
        RECT window;
        GetWindowRect(FWindow, &window);
        int index = ItemAt({int(message.pt.x - window.left), int(message.pt.y - window.top)});
        if (Openable(index) && index != FOpenIndex) {
            SwitchTo(index);
            return true;
        }
        return false;
    }
    }
    return false;
}
