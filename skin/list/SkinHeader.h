#pragma once
#include "skin/control/SkinControl.h"
#include "skin/draw/Offscreen.h"
#include "skin/list/HeaderLayout.h"

// List headers: each column's section from the skin's five-state Headerbar
// element (pressed, under the mouse, sorted, disabled) with its caption,
// and a plain section past the last column. Sizing and clicks stay the
// header's own.
class TSkinHeader : public TSkinControl {
public:
    using TSkinControl::TSkinControl;

    void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Draw(HDC dc, const RECT& area) override;

private:
    HeaderStrip ReadStrip() const;
    // The column whose section (not its divider) lies under the point, -1
    // for none.
    int SectionAt(LPARAM point) const;
    void Show(int pressed, int hot);
    void DrawCaption(TOffscreen& picture, const HeaderSection& section, const TSkinElement& element);

    int FPressed = -1;
    int FHot = -1;
};
