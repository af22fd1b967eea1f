#pragma once
#include "skin/control/SkinControl.h"
#include "skin/scrollbar/ScrollbarLayout.h"

// The scroll bar of a combo box's drop-down list drawn from the skin. The
// list is a window of the system's own that floats above everything, so
// the skin goes straight into its frame, where the system drew its bar,
// after each time the system may have drawn it again.
class TComboxScrollBar : public TSkinControl {
public:
    using TSkinControl::TSkinControl;

    // The skin can draw an upright bar.
    static bool CanSkin(const TSkinData& skin);

    void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // The bar as it was drawn last; its width is 0 before.
    const ScrollbarFacts& Facts() const { return FFacts; }

protected:
    bool TakesClientPainting() const override { return false; }
    void PaintingSwitched() override;

private:
    void PaintBar();

    ScrollbarFacts FFacts;
};
