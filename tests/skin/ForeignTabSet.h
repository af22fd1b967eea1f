#pragma once
#include <commctrl.h>

#include "gui/CommonControls.h"
#include "gui/TabControl.h"

// A tab set under its framework's class name "TTabSet", as the skin meets
// one: a row of tabs at the foot of the control, hanging below a strip of
// pane.
class TForeignTabSet : public TTabControl {
public:
    void Create(TWinControl& parent, const Args& args) {
        UseCommonControls(ICC_TAB_CLASSES);
        CreateChild(parent, {L"TTabSet", WC_TABCONTROLW, WS_TABSTOP | WS_CLIPSIBLINGS | TCS_BOTTOM, 0, args.Bounds},
                    false);
        for (const std::string& caption : args.Tabs) AddTab(caption);
        SetTabIndex(args.TabIndex);
    }
};
