#pragma once
#include <string>

#include "gui/WinControl.h"

// Static text of a fixed size that can report clicks.
//
// A transparent label shows its parent through: its background is whatever
// the parent paints there (its own painting, or a skin's), painted into the
// label's device context when the label is erased. The text is drawn over
// that with no background of its own, so a new text would land on the old
// glyphs; instead the text is changed while the label does not draw, and
// the label is then erased and drawn anew.
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
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Command(WORD notifyCode) override;
    HBRUSH ControlColor(HDC dc) override;

private:
    bool FTransparent = false;
};
