#pragma once
#include "skin/control/SkinControl.h"
#include "skin/scrollbar/ScrollbarLayout.h"

// The scroll bar of a combo box's drop-down list drawn from the skin. The
// list is a window of the system's own that floats above everything, so
// the skin is the bar's part of its frame, in the place of the system's
// bar; the system paints the rest of the frame.
class TComboxScrollBar : public TSkinControl {
public:
    using TSkinControl::TSkinControl;

    // The skin can draw an upright bar.
    static bool CanSkin(const TSkinData& skin);
    // The bar as it was drawn last; its width is 0 before.
    const ScrollbarFacts& Facts() const { return FFacts; }

protected:
    bool ChangesLook(UINT message) const override;
    void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    TRegion SkinnedFramePart() const override;
    void Draw(TOffscreen& canvas) override;

private:
    // The bar as the system has it now, in the list's window coordinates.
    bool ReadBar(ScrollbarFacts& facts, RECT& place) const;
    ScrollbarFacts FFacts;
};
