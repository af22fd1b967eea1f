#pragma once
#include "skin/data/SkinElements.h"
#include "skin/frame/NCObject.h"

class TSkinFrame;
class TOffscreen;

// One caption button of a skinned window, drawn from its button image in
// the state the mouse gives it (or the window's icon, for system-icon
// buttons).
class TCaptionButton : public TNCObject {
public:
    TCaptionButton(TSkinFrame& frame, const TSkinSysButtonElement& element);

    const TSkinSysButtonElement& Element() const { return FElement; }
    // Repainting one button repaints the caption it lies on, in one copy.
    void Paint() override;
    // Draws the button on the composed caption, whose left edge lies at
    // captionLeft in window coordinates.
    void Draw(TOffscreen& caption, int captionLeft) const;

private:
    TSkinFrame& FFrame;
    const TSkinSysButtonElement& FElement;
};
