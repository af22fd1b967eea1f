#pragma once
#include <string>

#include "gui/WinControl.h"

// A framed box with a caption that holds other controls.
class TGroupBox : public TWinControl {
public:
    struct Args {
        TBounds Bounds;
        std::string Caption;
    };
    void Create(TWinControl& parent, const Args& args);

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) override;
};

// A plain raised panel that holds other controls.
class TPanel : public TWinControl {
public:
    struct Args {
        TBounds Bounds;
    };
    void Create(TWinControl& parent, const Args& args);

protected:
    void Paint(HDC dc) override;
};
