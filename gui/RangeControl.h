#pragma once
#include "gui/ControlRange.h"
#include "gui/WinControl.h"

// A control that shows a Position between Min and Max (progress bar, track
// bar, up-down); each kind says how its window takes them.
class TRangeControl : public TWinControl {
public:
    int Min() const { return FRange.Min; }
    int Max() const { return FRange.Max; }
    int Position() const { return ReadPosition(); }
    void SetRange(int min, int max);
    void SetPosition(int position) { SendPosition(position); }
    TOrientation Orientation() const { return FOrientation; }

protected:
    // Makes the window, then gives it its range and position.
    void CreateRanged(TWinControl& parent, const CreateArgs& args, TOrientation orientation, TRange range,
                      int position);

private:
    virtual void SendRange(TRange range) = 0;
    virtual void SendPosition(int position) = 0;
    virtual int ReadPosition() const = 0;

    TRange FRange;
    TOrientation FOrientation = TOrientation::Horizontal;
};
