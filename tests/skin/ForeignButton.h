#pragma once
#include "gui/Button.h"

// A push button under another framework's class name, as a third-party
// button reaches the skin: through the ClassMap entry of its class.
class TForeignButton : public TButton {
public:
    void Create(TWinControl& parent, const wchar_t* className, const Args& args) {
        CreateChild(parent, {className, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0, args.Bounds}, false);
        SetText(args.Caption);
        SetEnabled(args.Enabled);
    }
};
