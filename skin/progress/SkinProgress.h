#pragma once
#include "skin/control/SkinControl.h"
#include "skin/progress/ProgressChunks.h"

// Progress bars: the skin's trough (its second state when upright) with the
// skin's chunks over the filled share.
class TSkinProgress : public TSkinControl {
public:
    using TSkinControl::TSkinControl;

    void Draw(HDC dc, const RECT& area) override;

private:
    // Range, position and direction as the control's window holds them.
    ProgressState ReadState() const;
};
