#pragma once
#include "skin/control/SkinControl.h"
#include "skin/draw/Offscreen.h"
#include "skin/updown/UpDownHalves.h"

// Up-down controls: two arrow buttons from the skin's eight-state element,
// each with its glyph, showing which one the mouse is over or presses. The
// control itself still steps the position.
class TSkinUpDown : public TSkinControl {
public:
    using TSkinControl::TSkinControl;

    // The skin's element for the control's direction.
    static const TSkinBorderElement* ElementFor(const TSkinData& skin, HWND window);

    void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Draw(HDC dc, const RECT& area) override;

private:
    UpDownHalves Halves() const;
    UpDownButton ButtonAt(LPARAM point) const;
    void Show(UpDownButton pressed, UpDownButton hot);
    void DrawButton(TOffscreen& picture, const TSkinBorderElement& element, Rect area, int frame);

    UpDownButton FPressed = UpDownButton::None;
    UpDownButton FHot = UpDownButton::None;
};
