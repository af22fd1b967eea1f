#include "gui/Button.h"

void TButton::Create(TWinControl& parent, const Args& args) {
    CreateChild(parent, {L"TButton", L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0, args.Bounds}, false);
    SetText(args.Caption);
    SetEnabled(args.Enabled);
}

void TButton::Command(WORD notifyCode) {
    if (notifyCode == BN_CLICKED) Click();
}

void TCheckBox::Create(TWinControl& parent, const Args& args) {
    CreateChild(parent, {L"TCheckBox", L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0, args.Bounds}, false);
    SetText(args.Caption);
    SetChecked(args.Checked);
}

bool TCheckBox::Checked() const { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TCheckBox::SetChecked(bool checked) {
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckBox::Command(WORD notifyCode) {
    if (notifyCode == BN_CLICKED) CallEvent(OnClick, this);
}
