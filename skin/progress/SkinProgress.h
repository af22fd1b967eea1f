#pragma once
#include "skin/control/SkinControl.h"
#include "skin/progress/ProgressChunks.h"

// Progress bars: the skin's trough (its second state when upright) with the
// skin's chunks over the filled share.
class TSkinProgress : public TSkinControl {
public:
    using TSkinControl::TSkinControl;


protected:
    void Draw(TOffscreen& canvas) override;

private:
    // Range, position and direction as the control's window holds them.
    ProgressState ReadState() const;
};
