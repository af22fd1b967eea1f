#include "gui/Menus.h"

#include <algorithm>
#include <map>

#include "base/win32/Win32Text.h"

namespace {
// Command ids start above the ids that dialog navigation sends (IDOK...).
UINT nextCommand = 100;

std::map<UINT, TMenuItem*>& ItemsByCommand() {
    static std::map<UINT, TMenuItem*> items;
    return items;
}

// The item that Win32 names by its item data, when it is a live item of ours.
TMenuItem* LiveItem(ULONG_PTR itemData) {
    auto* item = reinterpret_cast<TMenuItem*>(itemData);
    for (auto& [command, live] : ItemsByCommand())
        if (live == item) return item;
    return nullptr;
}

std::vector<TPopupMenu*>& LivePopupMenus() {
    static std::vector<TPopupMenu*> menus;
    return menus;
}

// Between a caption and its shortcut text.
constexpr int kShortcutGap = 24;

std::wstring PlainCaption(const std::string& caption) {
    std::wstring text = Widen(caption);
    std::erase(text, L'&');
    return text;
}
}  // namespace

// A tab sets the shortcut text ("Alt+F4") apart from the caption, in a
// column of its own as native menus have it.
SIZE MenuTextExtent(HDC dc, const std::wstring& text) {
    TSelection font(dc, MenuFont());
    size_t tab = text.find(L'\t');
    std::wstring caption = text.substr(0, tab);
    SIZE size = {};
    GetTextExtentPoint32W(dc, caption.c_str(), int(caption.size()), &size);
    if (tab != std::wstring::npos) {
        std::wstring shortcut = text.substr(tab + 1);
        SIZE shortcutSize = {};
        GetTextExtentPoint32W(dc, shortcut.c_str(), int(shortcut.size()), &shortcutSize);
        size.cx += kShortcutGap + shortcutSize.cx;
    }
    return size;
}

HFONT MenuFont() {
    static TFontHandle font = [] {
        NONCLIENTMETRICSW metrics = {};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        return TFontHandle(CreateFontIndirectW(&metrics.lfMenuFont));
    }();
    return font ? font.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

TMenuItem::TMenuItem(std::string caption, bool checked)
    : FCaption(std::move(caption)), FChecked(checked), FCommand(nextCommand++) {
    ItemsByCommand()[FCommand] = this;
}

TMenuItem::~TMenuItem() { ItemsByCommand().erase(FCommand); }

TMenuItem* TMenuItem::FromCommand(UINT command) {
    auto found = ItemsByCommand().find(command);
    return found == ItemsByCommand().end() ? nullptr : found->second;
}

TMenuItem* TMenuItem::FromSubmenu(HMENU submenu) {
    for (auto& [command, item] : ItemsByCommand())
        if (item->FSubmenu == submenu) return item;
    return nullptr;
}

void TMenuItem::SetChecked(bool checked) {
    FChecked = checked;
    if (FOwner) CheckMenuItem(FOwner, FCommand, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void TMenuItem::SetEnabled(bool enabled) {
    FEnabled = enabled;
    if (FOwner) EnableMenuItem(FOwner, FCommand, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void TMenuItem::AppendTo(HMENU menu) {
    FOwner = menu;
    std::wstring caption = Widen(FCaption);
    if (!Items().empty()) {
        FSubmenu = CreatePopupMenu();
        for (TMenuItem* item : Items()) item->AppendTo(FSubmenu);
    }
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_SUBMENU | MIIM_DATA | MIIM_FTYPE;
    info.fType = IsSeparator() ? MFT_SEPARATOR : 0;
    info.wID = FCommand;
    info.dwTypeData = caption.data();
    info.fState = (FChecked ? MFS_CHECKED : 0) | (Default ? MFS_DEFAULT : 0) | (FEnabled ? 0 : MFS_GRAYED);
    info.hSubMenu = FSubmenu;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(this);
    InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
    ApplyType();
}

void TMenuItem::SetOwnerDraw(bool ownerDraw) {
    FOwnerDraw = ownerDraw;
    ApplyType();
    for (TMenuItem* item : Items()) item->SetOwnerDraw(ownerDraw);
}

// Owner drawing replaces the item's type; the caption is set again on the
// way back, since Win32 may not keep it for an owner-drawn item.
void TMenuItem::ApplyType() {
    if (!FOwner) return;
    std::wstring caption = Widen(FCaption);
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | (FOwnerDraw ? 0 : MIIM_STRING);
    info.fType = (FOwnerDraw ? MFT_OWNERDRAW : 0) | (IsSeparator() ? MFT_SEPARATOR : 0);
    info.dwTypeData = caption.data();
    SetMenuItemInfoW(FOwner, FCommand, FALSE, &info);
}

void TMenuItem::DefaultMeasure(HDC dc, int& width, int& height) const {
    if (IsSeparator()) {
        width = 0;
        height = GetSystemMetrics(SM_CYMENU) / 2;
        return;
    }
    SIZE size = MenuTextExtent(dc, PlainCaption(FCaption));
    width = size.cx + GetSystemMetrics(SM_CXMENUCHECK);
    height = std::max<int>(size.cy + 4, GetSystemMetrics(SM_CYMENU));
}

void TMenuItem::DefaultDraw(HDC dc, const RECT& rect, UINT state) const {
    bool selected = state & ODS_SELECTED;
    FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (IsSeparator()) {
        RECT line = {rect.left, (rect.top + rect.bottom) / 2 - 1, rect.right, rect.bottom};
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    TSelection font(dc, MenuFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(state & ODS_GRAYED ? COLOR_GRAYTEXT
                                 : selected         ? COLOR_HIGHLIGHTTEXT
                                                    : COLOR_MENUTEXT));
    RECT text = rect;
    text.left += GetSystemMetrics(SM_CXMENUCHECK);
    std::wstring caption = Widen(FCaption);
    DrawTextW(dc, caption.c_str(), int(caption.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS);
}

bool TMenuItem::DispatchOwnerDraw(UINT message, LPARAM lParam) {
    if (message == WM_MEASUREITEM) {
        auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        TMenuItem* item = measure.CtlType == ODT_MENU ? LiveItem(measure.itemData) : nullptr;
        if (!item) return false;
        TWindowDC screen(nullptr);
        int width = 0, height = 0;
        item->DefaultMeasure(screen.Get(), width, height);
        CallEvent(item->OnMeasureItem, item, screen.Get(), width, height);
        measure.itemWidth = UINT(std::max(width, 0));
        measure.itemHeight = UINT(std::max(height, 0));
        return true;
    }
    if (message == WM_DRAWITEM) {
        auto& draw = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        TMenuItem* item = draw.CtlType == ODT_MENU ? LiveItem(draw.itemData) : nullptr;
        if (!item) return false;
        if (item->OnDrawItem)
            CallEvent(item->OnDrawItem, item, draw.hDC, draw.rcItem, draw.itemState);
        else
            item->DefaultDraw(draw.hDC, draw.rcItem, draw.itemState);
        return true;
    }
    return false;
}

TMenuItemList::~TMenuItemList() = default;

void TMenuItemList::Add(std::initializer_list<TMenuItem*> items) { FItems.insert(FItems.end(), items); }

void TMenuItemList::Add(std::unique_ptr<TMenuItem> item) {
    FItems.push_back(item.get());
    FOwnedItems.push_back(std::move(item));
}

void TMenu::SetOwnerDraw(bool ownerDraw) {
    FOwnerDraw = ownerDraw;
    for (TMenuItem* item : Items()) item->SetOwnerDraw(ownerDraw);
}

HMENU TMenu::Build(HMENU menu) {
    for (TMenuItem* item : Items()) item->AppendTo(menu);
    return menu;
}

HMENU TMainMenu::Handle() {
    if (!FHandle) FHandle = Build(CreateMenu());
    return FHandle;
}

TPopupMenu::TPopupMenu(const TObject* owner) : FOwner(owner) { LivePopupMenus().push_back(this); }

TPopupMenu::~TPopupMenu() { std::erase(LivePopupMenus(), this); }

std::vector<TPopupMenu*> TPopupMenu::OwnedBy(const TObject* owner) {
    std::vector<TPopupMenu*> owned;
    for (TPopupMenu* menu : LivePopupMenus())
        if (owner && menu->FOwner == owner) owned.push_back(menu);
    return owned;
}

HMENU TPopupMenu::Handle() {
    if (!FHandle) FHandle.Reset(Build(CreatePopupMenu()));
    return FHandle.Get();
}

void TPopupMenu::Popup(int x, int y, HWND owner) {
    HMENU menu = Handle();
    CallEvent(OnPopup, this);
    UINT command = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
    if (TMenuItem* item = TMenuItem::FromCommand(command)) item->Click();
}
