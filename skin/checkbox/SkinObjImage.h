#pragma once
#include "gui/GlyphCheckBox.h"
#include "skin/control/SkinControl.h"

// Check boxes and radio buttons of foreign families: they paint themselves
// from glyphs of their own, so the skinner swaps those for the skin's check
// or radio box in the four states they show, and gives theirs back on
// detaching or while its painting is off. Only controls with custom glyphs (our TGlyphCheckBox) are
// served.
class TSkinObjImage : public TSkinControl {
public:
    TSkinObjImage(TSkinFrame& frame, bool radio) : TSkinControl(frame), FRadio(radio) {}

    static bool Serves(TWinControl* control);
    void Refresh() override;

protected:
    void AfterAttach() override;
    void BeforeDetach() override;
    void PaintingSwitched() override;

private:
    void GiveGlyphs();
    void GiveTheirsBack();

    bool FRadio;
    TGlyphCheckBox* FBox = nullptr;
    TBitmap FGlyphsBefore;
    bool FUsedBefore = false;
    COLORREF FTransparentBefore = 0;
    COLORREF FColorBefore = CLR_DEFAULT;
};
