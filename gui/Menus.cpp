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
    : caption_(std::move(caption)), checked_(checked), command_(nextCommand++) {
    ItemsByCommand()[command_] = this;
}

TMenuItem::~TMenuItem() { ItemsByCommand().erase(command_); }

TMenuItem* TMenuItem::FromCommand(UINT command) {
    auto found = ItemsByCommand().find(command);
    return found == ItemsByCommand().end() ? nullptr : found->second;
}

TMenuItem* TMenuItem::FromSubmenu(HMENU submenu) {
    for (auto& [command, item] : ItemsByCommand())
        if (item->submenu_ == submenu) return item;
    return nullptr;
}

void TMenuItem::Add(std::initializer_list<TMenuItem*> items) { items_.insert(items_.end(), items); }

void TMenuItem::SetChecked(bool checked) {
    checked_ = checked;
    if (owner_) CheckMenuItem(owner_, command_, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void TMenuItem::AppendTo(HMENU menu) {
    owner_ = menu;
    std::wstring caption = Widen(caption_);
    if (!items_.empty()) {
        submenu_ = CreatePopupMenu();
        for (TMenuItem* item : items_) item->AppendTo(submenu_);
    }
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_SUBMENU;
    info.wID = command_;
    info.dwTypeData = caption.data();
    info.fState = (checked_ ? MFS_CHECKED : 0) | (Default ? MFS_DEFAULT : 0);
    info.hSubMenu = submenu_;
    InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
}

void TMenu::Add(std::initializer_list<TMenuItem*> items) { items_.insert(items_.end(), items); }

HMENU TMenu::Build(HMENU menu) {
    for (TMenuItem* item : items_) item->AppendTo(menu);
    return menu;
}

HMENU TMainMenu::Handle() {
    if (!handle_) handle_ = Build(CreateMenu());
    return handle_;
}

TPopupMenu::~TPopupMenu() {
    if (handle_) DestroyMenu(handle_);
}

void TPopupMenu::Popup(int x, int y, HWND owner) {
    if (!handle_) handle_ = Build(CreatePopupMenu());
    CallEvent(OnPopup, this);
    UINT command = TrackPopupMenu(handle_, TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
    if (TMenuItem* item = TMenuItem::FromCommand(command)) item->Click();
}
