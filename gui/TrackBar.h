#pragma once
#include "gui/RangeControl.h"

// A slider whose thumb picks a Position from Min to Max, with a tick at
// every step.
class TTrackBar : public TRangeControl {
public:
    struct Args {
        TBounds Bounds;
        int Min = 0, Max = 10, Position = 0;
        TOrientation Orientation = TOrientation::Horizontal;
    };
    void Create(TWinControl& parent, const Args& args);

    TNotifyEvent OnChange;  // the user moved the thumb

protected:
    void Scroll(UINT message, WORD code, WORD position) override;

private:
    void SendRange(TRange range) override;
    void SendPosition(int position) override;
    int ReadPosition() const override;
};
