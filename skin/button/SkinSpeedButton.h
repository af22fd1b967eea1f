#pragma once
#include "skin/control/SkinControl.h"

class TSpeedButton;

// Speed buttons, drawn from the skin's Buttons image: a flat one shows the
// image only while the pointer is over it, it is pressed or it stays down;
// its glyph and caption lie on it as its Margin, Spacing and Layout say.
// The button keeps its own mouse handling (hot, pressed, down, click) and
// repaints itself as they change; the skinner draws what it reads.
class TSkinSpeedButton : public TSkinControl {
public:
    using TSkinControl::TSkinControl;

    // Only the window layer's speed buttons tell their state.
    static bool Serves(TWinControl* control);

protected:
    void Draw(TOffscreen& canvas) override;

private:
    const TSpeedButton& Button() const;
};
