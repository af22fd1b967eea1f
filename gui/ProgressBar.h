#pragma once
#include "gui/ControlRange.h"
#include "gui/WinControl.h"

// A bar that fills as Position goes from Min to Max.
class TProgressBar : public TWinControl {
public:
    struct Args {
        TBounds Bounds;
        int Min = 0, Max = 100, Position = 0;
        TOrientation Orientation = TOrientation::Horizontal;
        bool Smooth = false;  // one bar rather than chunks
    };
    void Create(TWinControl& parent, const Args& args);

    int Min() const { return FRange.Min; }
    int Max() const { return FRange.Max; }
    int Position() const;
    void SetRange(int min, int max);
    void SetPosition(int position);
    TOrientation Orientation() const { return FOrientation; }

private:
    TRange FRange;
    TOrientation FOrientation = TOrientation::Horizontal;
};
