#pragma once
#include "skin/control/SkinControl.h"

// Panels and inner forms of a framework form: their background in the
// skin's button face colour, which they also take as their colour while
// skinned, so that the controls on them follow. Their own painting (a
// panel's bevel) gives way to it.
class TSkinBox : public TSkinControl {
public:
    using TSkinControl::TSkinControl;

protected:
    void Draw(TOffscreen& canvas) override;
};
