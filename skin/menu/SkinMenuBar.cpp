#include "skin/menu/SkinMenuBar.h"

#include <algorithm>

#include "base/win32/Win32Text.h"
#include "gui/Menus.h"
#include "gui/WinControl.h"
#include "skin/data/SkinGdi.h"
#include "skin/draw/ElementDrawing.h"
#include "skin/draw/Offscreen.h"
#include "skin/frame/SkinFrame.h"
#include "skin/manager/SkinManager.h"
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

}  // namespace

TMenuBtn::TMenuBtn(TSkinMenuBar& bar, int index) : TNCObject(bar.CurrentObject()), Index(index), FBar(bar) {}

void TMenuBtn::Paint() { FBar.PaintItem(*this); }

TSkinMenuBar::TSkinMenuBar(TSkinFrame& frame, HMENU menu, TMainMenu* frameworkMenu)
    : FFrame(frame), FMenu(menu), FFrameworkMenu(frameworkMenu) {
    Rebuild();
}

TSkinMenuBar::~TSkinMenuBar() {
    if (trackingBar == this) trackingBar = nullptr;
    if (FHook) UnhookWindowsHookEx(FHook);
}

void TSkinMenuBar::Rebuild() {
    FItems.clear();
    int count = GetMenuItemCount(FMenu);
    for (int position = 0; position < count; ++position) {
        auto item = std::make_unique<TMenuBtn>(*this, position);
        MENUITEMINFOW info = {sizeof info, MIIM_ID | MIIM_STATE | MIIM_SUBMENU};
        GetMenuItemInfoW(FMenu, UINT(position), TRUE, &info);
        item->Caption = MenuText(FMenu, UINT(position));
        item->Command = info.wID;
        item->Submenu = info.hSubMenu;
        item->ItemEnabled = !(info.fState & (MFS_GRAYED | MFS_DISABLED));
        // The framework's item has the last word on its caption and state.
        if (TMenuItem* framework = TMenuItem::FromCommand(info.wID)) {
            item->Item = framework;
            item->Caption = Widen(framework->Caption());
            item->ItemEnabled = framework->Enabled();
            if (framework->Submenu()) item->Submenu = framework->Submenu();
        }
        item->Enabled = item->ItemEnabled;
        FItems.push_back(std::move(item));
    }
}

TNCCurrentObject& TSkinMenuBar::CurrentObject() { return FFrame.CurrentObject(); }

std::vector<TNCObject*> TSkinMenuBar::Objects() const {
    std::vector<TNCObject*> objects;
    for (const auto& item : FItems) objects.push_back(item.get());
    return objects;
}

std::vector<bool> TSkinMenuBar::VisibleItems() const {
    std::vector<bool> visible;
    for (const auto& item : FItems) visible.push_back(item->Visible);
    return visible;
}

void TSkinMenuBar::Layout(HDC measuring) {
    TSelection font(measuring, MenuFont());
    std::vector<MenuBarItemSize> sizes;
    for (const auto& item : FItems) {
        RECT box = {};
        DrawTextW(measuring, item->Caption.c_str(), int(item->Caption.size()), &box, DT_CALCRECT | DT_SINGLELINE);
        sizes.push_back({int(box.right), item->Visible});
    }
    std::vector<Rect> bounds = LayoutMenuBar(sizes, FBar, FFrame.Skin().MenuBar.get(), FFrame.Flags().RightToLeft);
    for (size_t i = 0; i < FItems.size() && i < bounds.size(); ++i) FItems[i]->Bounds = bounds[i];
}

void TSkinMenuBar::ComposeBackground(bool active) {
    const TSkinData& skin = FFrame.Skin();
    const TSkinElement* element = skin.MenuBar.get();
    if (element && !element->Image.Empty()) {
        FBackground = ComposeElement(element->Picture(), active ? 1 : 2, FBar.Width, FBar.Height);
    } else {
        FBackground = PixelBuffer(FBar.Width, FBar.Height, PixelFromColor(skin.Colours.Menubar));
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
    for (const auto& item : FItems) PaintItem(*item);
}

// From the saved background: a frame in the skin's highlight colour while
// hot or pressed, the caption with its accelerator underlined.
void TSkinMenuBar::PaintItem(const TMenuBtn& item) {
    if (!item.Visible || item.Bounds.Empty() || FBackground.Empty()) return;
    const TSkinData& skin = FFrame.Skin();
    TOffscreen canvas(item.Bounds.Width, item.Bounds.Height);
    canvas.Draw(FBackground, FBar.Left - item.Bounds.Left, FBar.Top - item.Bounds.Top);
    RECT box = {0, 0, item.Bounds.Width, item.Bounds.Height};
    HDC dc = canvas.DC();
    if (item.CurrentState != TNCObject::Normal) FrameRect(dc, &box, SolidBrush(ToColorRef(skin.Colours.ButtonHilight)));
    TSelection font(dc, MenuFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(item.ItemEnabled ? skin.Colours.MenuBarText : skin.Colours.ButtonShadow));
    DrawTextW(dc, item.Caption.c_str(), int(item.Caption.size()), &box, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    TWindowDC window(FFrame.Window(), TWindowDC::Whole);
    canvas.CopyTo(window.Get(), item.Bounds.Left, item.Bounds.Top);
}

void TSkinMenuBar::OpenAt(POINT window) {
    std::vector<Rect> bounds;
    for (const auto& item : FItems) bounds.push_back(item->Bounds);
    int index = MenuBarItemAt(bounds, {int(window.x), int(window.y)});
    if (index >= 0) Open(*FItems[size_t(index)]);
}

bool TSkinMenuBar::OpenByKey(wchar_t key) {
    std::vector<bool> visible = VisibleItems();
    int index = -1;
    if (key == 0) {
        auto first = std::find(visible.begin(), visible.end(), true);
        index = first == visible.end() ? -1 : int(first - visible.begin());
    } else if (key < 0x80) {
        std::vector<std::string> captions;
        for (const auto& item : FItems) captions.push_back(Narrow(item->Caption));
        index = MenuBarItemForAccelerator(captions, visible, char(key));
    }
    if (index < 0) return false;
    Open(*FItems[size_t(index)]);
    return true;
}

void TSkinMenuBar::Open(TMenuBtn& item) {
    if (trackingBar) return;
    Track(item.Index);
}

void TSkinMenuBar::MenuSelected(UINT flags, HMENU) { FSelectedHasSubmenu = flags != 0xFFFF && (flags & MF_POPUP); }

void TSkinMenuBar::Track(int index) {
    TSkinManager& manager = FFrame.Manager();
    while (index >= 0 && size_t(index) < FItems.size()) {
        TMenuBtn& item = *FItems[size_t(index)];
        if (!item.Submenu) {
            // A command on the bar itself: its click, as a native bar would send it.
            PostMessageW(FFrame.Window(), WM_COMMAND, item.Command, 0);
            item.MouseLeave();
            return;
        }
        if (TMenuItem* holder = TMenuItem::FromSubmenu(item.Submenu))
            for (TMenuItem* child : holder->Items()) child->SetOwnerDraw(true);
        manager.MenuKind = TMenuKind::MenuBar;
        manager.MenuTracking = true;
        item.CurrentState = TNCObject::Pressed;
        PaintItem(item);
        RECT window;
        GetWindowRect(FFrame.Window(), &window);
        TPMPARAMS exclude = {sizeof exclude, ToRECT(item.Bounds)};
        OffsetRect(&exclude.rcExclude, window.left, window.top);
        FOpenIndex = index;
        FNextIndex = -1;
        FSelectedHasSubmenu = false;
        trackingBar = this;
        FHook = SetWindowsHookExW(WH_MSGFILTER, FilterHook, nullptr, GetCurrentThreadId());
        // The menu opens with its first item selected. Posted before it
        // opens, the key comes before any key the user presses meanwhile.
        PostMessageW(FFrame.Window(), WM_KEYDOWN, VK_DOWN, 0);
        TrackPopupMenuEx(item.Submenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, exclude.rcExclude.left,
                         exclude.rcExclude.bottom, FFrame.Window(), &exclude);
        UnhookWindowsHookEx(FHook);
        FHook = nullptr;
        trackingBar = nullptr;
        manager.MenuTracking = false;
        item.CurrentState = TNCObject::Normal;
        item.MouseLeave();
        PaintItem(item);
        FOpenIndex = -1;
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
    bool rightToLeft = FFrame.Flags().RightToLeft;
    switch (message.message) {
    case WM_KEYDOWN: {
        WPARAM key = message.wParam;
        if (rightToLeft && (key == VK_LEFT || key == VK_RIGHT)) key = key == VK_LEFT ? VK_RIGHT : VK_LEFT;
        if (key == VK_LEFT && AtTopLevel()) {
            SwitchTo(MenuBarItemAfterArrow(VisibleItems(), FOpenIndex, MenuArrow::Left, false));
            return true;
        }
        if (key == VK_RIGHT && !FSelectedHasSubmenu) {
            SwitchTo(MenuBarItemAfterArrow(VisibleItems(), FOpenIndex, MenuArrow::Right, false));
            return true;
        }
        return false;
    }
    case WM_MOUSEMOVE: {
        RECT window;
        GetWindowRect(FFrame.Window(), &window);
        Point at = {int(message.pt.x - window.left), int(message.pt.y - window.top)};
        std::vector<Rect> bounds;
        for (const auto& item : FItems) bounds.push_back(item->Bounds);
        int index = MenuBarItemAt(bounds, at);
        if (index >= 0 && index != FOpenIndex) {
            SwitchTo(index);
            return true;
        }
        return false;
    }
    }
    return false;
}
