#pragma once
#include "skin/scrollbar/SkinScrollbar.h"

// A control that is itself one scroll bar (class "ScrollBar"), drawn from
// the skin: one panel lies over the whole control.
class TSkinScrollbarH : public TSkinScrollbar {
public:
    explicit TSkinScrollbarH(TSkinFrame& frame);

    // Whether the skin can draw the kind of bar the window is, and the
    // system tells where its thumb is.
    static bool CanSkin(const TSkinData& skin, HWND bar);

protected:
    void MakePanels() override;
    void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};
