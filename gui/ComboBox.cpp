#include "gui/ComboBox.h"

#include "base/win32/Win32Text.h"

void TComboBox::Create(TWinControl& parent, const Args& args) {
    DWORD style = WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL |
                  (args.Style == TComboBoxStyle::DropDown ? CBS_DROPDOWN : CBS_DROPDOWNLIST);
    CreateChild(parent, {L"TComboBox", L"COMBOBOX", style, 0, args.Bounds}, false);
    for (const std::string& item : args.Items) AddItem(item);
    SetItemIndex(args.ItemIndex);
}

void TComboBox::AddItem(const std::string& item) {
    SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
}

int TComboBox::ItemCount() const { return int(SendMessageW(Handle(), CB_GETCOUNT, 0, 0)); }

int TComboBox::ItemIndex() const { return int(SendMessageW(Handle(), CB_GETCURSEL, 0, 0)); }

// An index outside the items chooses none.
void TComboBox::SetItemIndex(int index) {
    if (index < 0 || index >= ItemCount()) index = -1;
    SendMessageW(Handle(), CB_SETCURSEL, index, 0);
}

void TComboBox::Command(WORD notifyCode) {
    if (notifyCode == CBN_SELCHANGE) CallEvent(OnChange, this);
}
