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
    explicit TSkinHeader(TSkinFrame& frame);

protected:
    void Draw(TOffscreen& canvas) override;

private:
    HeaderStrip ReadStrip() const;
    // The column whose section (not its divider) lies under the point, -1
    // for none.
    int SectionAt(POINT point) const;
    void DrawCaption(TOffscreen& picture, const HeaderSection& section, const TSkinElement& element);
};
