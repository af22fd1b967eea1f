#include "gui/Button.h"

#include "gui/ControlMessages.h"

void TButton::Create(TWinControl& parent, const Args& args) {
    CreateChild(parent, {L"TButton", L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0, args.Bounds}, false);
    SetText(args.Caption);
    SetEnabled(args.Enabled);
}

// The focused push button is the one Enter presses, and shows it as the
// default one. A form is no dialog, whose manager would click it, so the
// button clicks itself on the form's dialog key, once the key is handled,
// and takes the key.
LRESULT TButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFOCUS || message == WM_KILLFOCUS)
        SendMessageW(Handle(), BM_SETSTYLE, message == WM_SETFOCUS ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    if (message == CM_DIALOGKEY && wParam == VK_RETURN && GetFocus() == Handle() && IsWindowEnabled(Handle())) {
        PostMessageW(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(ControlId(), BN_CLICKED),
                     reinterpret_cast<LPARAM>(Handle()));
        return 1;
    }
    return TWinControl::WndProc(message, wParam, lParam);
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
