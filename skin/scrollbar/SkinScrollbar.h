#pragma once
#include <windows.h>

#include <memory>

#include "skin/control/SkinControl.h"
#include "skin/scrollbar/ScrollbarPanel.h"

// The scroll bars of a memo (or any control with native scroll bars) drawn
// from the skin: a TScrollbarPanel over each bar that the skin can draw,
// following the control as it scrolls, sizes, shows and enables. The
// system draws its bars whenever it likes (while it tracks the mouse, when
// the range changes), with no message after; the panels lie over them as
// overlays, so that drawing never reaches them. The control's client area
// stays its own; the box where the two bars meet takes the skin's button
// face.
class TSkinScrollbar : public TSkinControl {
public:
    using TSkinControl::TSkinControl;

    // Whether the skin can draw either kind of bar, and the system tells
    // where the bars are.
    static bool CanSkin(const TSkinData& skin);

    void Refresh() override;
    // The panel over the bar of the kind; null when the skin cannot draw it.
    TScrollbarPanel* Panel(ScrollbarKind kind) const;

protected:
    void AfterAttach() override;
    void BeforeDetach() override;
    void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void PaintingSwitched() override;
    // Takes the bars' places and states from the system again.
    void FollowBars();
    // A panel over each bar of the control that the skin can draw.
    virtual void MakePanels();
    void AddPanel(std::unique_ptr<TScrollbarPanel> panel);

private:
    void PaintCorner();

    std::unique_ptr<TScrollbarPanel> FPanels[2];
};
