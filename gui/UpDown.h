#pragma once
#include "gui/ControlRange.h"
#include "gui/WinControl.h"

// A pair of arrow buttons that step Position between Min and Max. With an
// associated control (an edit box) it sits at that control's right end and
// shows the position in it.
class TUpDown : public TWinControl {
public:
    struct Args {
        TBounds Bounds;
        int Min = 0, Max = 100, Position = 0;
        TOrientation Orientation = TOrientation::Vertical;
        TWinControl* Associate = nullptr;
    };
    void Create(TWinControl& parent, const Args& args);

    int Min() const { return FRange.Min; }
    int Max() const { return FRange.Max; }
    int Position() const;
    void SetRange(int min, int max);
    void SetPosition(int position);
    TOrientation Orientation() const { return FOrientation; }
    TWinControl* Associate() const { return FAssociate; }

    TNotifyEvent OnChange;  // an arrow stepped the position

protected:
    void Scroll(UINT message, WORD code, WORD position) override;

private:
    TRange FRange;
    TOrientation FOrientation = TOrientation::Vertical;
    TWinControl* FAssociate = nullptr;
};
