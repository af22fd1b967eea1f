#pragma once
#include <string>

#include "gui/WinControl.h"

// Static text of a fixed size that can report clicks.
class TLabel : public TWinControl {
public:
    struct Args {
        TBounds Bounds;
        std::string Caption;
        bool Transparent = false;
    };
    void Create(TWinControl& parent, const Args& args);

    TNotifyEvent OnClick;

protected:
    void Command(WORD notifyCode) override;
    HBRUSH ControlColor(HDC dc) override;

private:
    bool FTransparent = false;
};
