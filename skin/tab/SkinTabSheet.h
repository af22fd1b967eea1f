#pragma once
#include "skin/control/SkinControl.h"

// The pages of a skinned page control: each shows the part of the skin's
// pane that lies under it, so that page and pane border read as one.
class TSkinTabSheet : public TSkinControl {
public:
    using TSkinControl::TSkinControl;

protected:
    void Draw(TOffscreen& canvas) override;
};
