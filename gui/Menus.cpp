#include "gui/Menus.h"

#include <map>

#include "gui/Win32Text.h"

namespace {
// Command ids start above the ids that dialog navigation sends (IDOK...).
UINT nextCommand = 100;

std::map<UINT, TMenuItem*>& ItemsByCommand() {
    static std::map<UINT, TMenuItem*> items;
    return items;
}
}  // namespace

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

void TMenuItem::Add(std::initializer_list<TMenuItem*> items) { FItems.insert(FItems.end(), items); }

void TMenuItem::SetChecked(bool checked) {
    FChecked = checked;
    if (FOwner) CheckMenuItem(FOwner, FCommand, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void TMenuItem::AppendTo(HMENU menu) {
    FOwner = menu;
    std::wstring caption = Widen(FCaption);
    if (!FItems.empty()) {
        FSubmenu = CreatePopupMenu();
        for (TMenuItem* item : FItems) item->AppendTo(FSubmenu);
    }
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_SUBMENU;
    info.wID = FCommand;
    info.dwTypeData = caption.data();
    info.fState = (FChecked ? MFS_CHECKED : 0) | (Default ? MFS_DEFAULT : 0);
    info.hSubMenu = FSubmenu;
    InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
}

void TMenu::Add(std::initializer_list<TMenuItem*> items) { FItems.insert(FItems.end(), items); }

HMENU TMenu::Build(HMENU menu) {
    for (TMenuItem* item : FItems) item->AppendTo(menu);
    return menu;
}

HMENU TMainMenu::Handle() {
    if (!FHandle) FHandle = Build(CreateMenu());
    return FHandle;
}

TPopupMenu::~TPopupMenu() {
    if (FHandle) DestroyMenu(FHandle);
}

void TPopupMenu::Popup(int x, int y, HWND owner) {
    if (!FHandle) FHandle = Build(CreatePopupMenu());
    CallEvent(OnPopup, this);
    UINT command = TrackPopupMenu(FHandle, TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
    if (TMenuItem* item = TMenuItem::FromCommand(command)) item->Click();
}
