#pragma once
#include "gui/RangeControl.h"

// A bar that fills as Position goes from Min to Max.
class TProgressBar : public TRangeControl {
public:
    struct Args {
        TBounds Bounds;
        int Min = 0, Max = 100, Position = 0;
        TOrientation Orientation = TOrientation::Horizontal;
        bool Smooth = false;  // one bar rather than chunks
    };
    void Create(TWinControl& parent, const Args& args);

private:
    void SendRange(TRange range) override;
    void SendPosition(int position) override;
    int ReadPosition() const override;
};
