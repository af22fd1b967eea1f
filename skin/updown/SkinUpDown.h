#pragma once
#include "skin/control/SkinControl.h"
#include "skin/draw/Offscreen.h"
#include "skin/updown/UpDownHalves.h"

// Up-down controls: two arrow buttons from the skin's eight-state element,
// each with its glyph, showing which one the mouse is over or presses. The
// control itself still takes the press and steps the position.
class TSkinUpDown : public TSkinControl {
public:
    explicit TSkinUpDown(TSkinFrame& frame);

    // The skin's element for the control's direction.
    static const TSkinBorderElement* ElementFor(const TSkinData& skin, HWND window);

protected:
    void Draw(TOffscreen& canvas) override;

private:
    UpDownHalves Halves() const;
    void DrawButton(TOffscreen& picture, const TSkinBorderElement& element, Rect area, int frame);
};
