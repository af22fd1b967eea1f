#pragma once
#include "skin/control/SkinControl.h"

// The size grip in a dialog's corner: the skin's button face, with the
// skin's own grip over it (the last cell of its Scrollbar element) when the
// skin has one, so that the corner still shows it can be dragged.
class TSkinSizer : public TSkinControl {
public:
    using TSkinControl::TSkinControl;

protected:
    void Draw(TOffscreen& canvas) override;
};
