#pragma once
#include "gui/ControlRange.h"
#include "gui/WinControl.h"

// A slider whose thumb picks a Position from Min to Max, with a tick at
// every step.
class TTrackBar : public TWinControl {
public:
    struct Args {
        TBounds Bounds;
        int Min = 0, Max = 10, Position = 0;
        TOrientation Orientation = TOrientation::Horizontal;
    };
    void Create(TWinControl& parent, const Args& args);

    int Min() const { return FRange.Min; }
    int Max() const { return FRange.Max; }
    int Position() const;
    void SetRange(int min, int max);
    void SetPosition(int position);
    TOrientation Orientation() const { return FOrientation; }

    TNotifyEvent OnChange;  // the user moved the thumb

protected:
    void Scroll(UINT message, WORD code, WORD position) override;

private:
    TRange FRange{0, 10};
    TOrientation FOrientation = TOrientation::Horizontal;
};
