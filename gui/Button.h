#pragma once
#include <string>

#include "gui/WinControl.h"

// Push button.
class TButton : public TWinControl {
public:
    struct Args {
        TBounds Bounds;
        std::string Caption;
        bool Enabled = true;
    };
    void Create(TWinControl& parent, const Args& args);
    void Click() { CallEvent(OnClick, this); }

    TNotifyEvent OnClick;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Command(WORD notifyCode) override;
};

// Check box with its caption on the right.
class TCheckBox : public TWinControl {
public:
    struct Args {
        TBounds Bounds;
        std::string Caption;
        bool Checked = false;
    };
    void Create(TWinControl& parent, const Args& args);

    bool Checked() const;
    void SetChecked(bool checked);

    TNotifyEvent OnClick;

protected:
    void Command(WORD notifyCode) override;
};
