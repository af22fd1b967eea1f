#pragma once
#include "gui/GlyphCheckBox.h"
#include "skin/control/SkinControl.h"

// Check boxes and radio buttons of foreign families: they paint themselves
// from glyphs of their own, so the skinner swaps those for the skin's check
// or radio box in the four states they show, and gives theirs back on
// detaching. Only controls with custom glyphs (our TGlyphCheckBox) are
// served.
class TSkinObjImage : public TSkinControl {
public:
    TSkinObjImage(TSkinFrame& frame, bool radio) : TSkinControl(frame), FRadio(radio) {}
    ~TSkinObjImage() override;

    void Attach(TWinControl& control, bool recolour) override;
    void AttachWindow(HWND window) override;
    void Detach() override;
    void Refresh() override;

protected:
    bool TakesClientPainting() const override { return false; }

private:
    void GiveGlyphs();

    bool FRadio;
    TGlyphCheckBox* FBox = nullptr;
    TBitmap FGlyphsBefore;
    bool FUsedBefore = false;
    COLORREF FTransparentBefore = 0;
};

class TSkinObjImageCheckBox : public TSkinObjImage {
public:
    explicit TSkinObjImageCheckBox(TSkinFrame& frame) : TSkinObjImage(frame, false) {}
};

class TSkinObjImageRadioButton : public TSkinObjImage {
public:
    explicit TSkinObjImageRadioButton(TSkinFrame& frame) : TSkinObjImage(frame, true) {}
};
