#pragma once
#include "gui/RangeControl.h"

// A pair of arrow buttons that step Position between Min and Max. With an
// associated control (an edit box) it sits at that control's right end and
// shows the position in it.
class TUpDown : public TRangeControl {
public:
    struct Args {
        TBounds Bounds;
        int Min = 0, Max = 100, Position = 0;
        TOrientation Orientation = TOrientation::Vertical;
        TWinControl* Associate = nullptr;
    };
    void Create(TWinControl& parent, const Args& args);

    TWinControl* Associate() const { return FAssociate; }

    TNotifyEvent OnChange;  // an arrow stepped the position

protected:
    void Scroll(UINT message, WORD code, WORD position) override;

private:
    void SendRange(TRange range) override;
    void SendPosition(int position) override;
    int ReadPosition() const override;

    TWinControl* FAssociate = nullptr;
};
