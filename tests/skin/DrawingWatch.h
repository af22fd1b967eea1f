#pragma once
// Watches what a control draws at once, from under its skinner: laid on the
// control's window before the skinner is, it sees each message return from
// the control's own procedure, before the skinner paints after it, and
// counts then what the screen shows that the skin would not.
#include <windows.h>

#include <functional>

#include "gui/Subclass.h"

class TDrawingWatch : public TSubclass {
public:
    // foreign: how many pixels on screen now are not the skin's.
    TDrawingWatch(HWND window, std::function<int()> foreign) : FForeign(std::move(foreign)) { Attach(window); }

    // The most pixels not the skin's seen as any message returned, and that
    // message.
    int Worst() const { return FWorst; }
    UINT WorstMessage() const { return FWorstMessage; }
    void Reset() { FWorst = 0; }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        LRESULT result = CallDefault(message, wParam, lParam);
        int foreign = FForeign();
        if (foreign > FWorst) {
            FWorst = foreign;
            FWorstMessage = message;
        }
        return result;
    }

private:
    std::function<int()> FForeign;
    int FWorst = 0;
    UINT FWorstMessage = 0;
};
