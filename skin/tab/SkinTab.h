#pragma once
#include "skin/control/SkinControl.h"
#include "skin/draw/Offscreen.h"
#include "skin/manager/SkinnerKind.h"
#include "skin/tab/TabStripLayout.h"

// Where a tab control's pane lies, in its client coordinates; empty for
// tabs in the button style.
Rect TabControlPane(HWND tabs);

// Tab controls: each tab from the skin's five-state Tabs element where the
// control places it (chosen, under the mouse, disabled), with its caption,
// over the skin's pane border; tabs in the button style stand as they are,
// without a pane. The pages of a page control show the pane through their
// own skinner. Clicks and keys stay the control's own.
class TSkinTab : public TSkinControl {
public:
    explicit TSkinTab(TSkinFrame& frame);

    // Both the tabs and the pane border are needed to draw the control.
    static bool CanSkin(const TSkinData& skin);

protected:
    void AfterAttach() override;
    void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Draw(TOffscreen& canvas) override;

    // The skinner kind this is, by which the dispatch knows the class of
    // its pages.
    virtual SkinnerKind Kind() const { return SkinnerKind::TSkinTab; }
    // Where the tabs and the pane go, and the picture of one tab there.
    virtual TabStripLayout LayOut(int width, int height, const TabStrip& strip) const;
    virtual void DrawTab(TOffscreen& picture, const TabPlace& tab) const;

private:
    TabStrip ReadStrip(int width) const;
    std::wstring TabCaption(int index) const;
    int TabAt(POINT at) const;
    void DrawCaption(TOffscreen& picture, const TabPlace& tab);
    // The control makes its scroll buttons when its tabs outgrow it, and a
    // page control its pages as they come: each gets its skinner once.
    void SkinChildren();
};
