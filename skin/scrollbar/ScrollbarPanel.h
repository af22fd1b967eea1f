#pragma once
#include <windows.h>

#include "gui/PressTracker.h"
#include "gui/WinControl.h"
#include "skin/data/SkinData.h"
#include "skin/scrollbar/ScrollbarLayout.h"

// A window of the skin's own that lies over one native scroll bar of a
// control, beside the control on its parent, and shows the bar as the skin
// draws it. The mouse goes through it to the control as if to the native
// bar, so that the system's own scrolling runs; the panel only follows.
// The bar is one of the control's own, or the control is itself a scroll
// bar (of the kind its style says).
class TScrollbarPanel : public TWinControl {
public:
    TScrollbarPanel(TSkinData& skin, HWND control, ScrollbarKind kind);
    struct WholeControl {};
    TScrollbarPanel(TSkinData& skin, HWND bar, WholeControl);

    // Takes the bar's place and state from the system again and repaints,
    // or hides while the bar or the control does. The window is made the
    // first time the bar shows.
    void Follow();
    void Hide();
    bool Shows() const;
    ScrollbarKind Kind() const { return FKind; }
    const ScrollbarFacts& Facts() const { return FFacts; }
    ScrollbarLook Look() const;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) override;

private:
    void PassPress(LPARAM point);
    int PartAt(POINT point) const;
    bool Read(ScrollbarFacts& facts, RECT& screen) const;
    WPARAM HitCode() const { return FKind == ScrollbarKind::Horizontal ? HTHSCROLL : HTVSCROLL; }
    void Repaint();

    TSkinData& FSkin;
    HWND FControl;
    ScrollbarKind FKind;
    bool FWholeControl = false;
    ScrollbarFacts FFacts;
    // Parts are ScrollbarPart values; the press is the control's.
    TPressTracker FTracker{{.PartAt = [this](POINT at) { return PartAt(at); },
                            .OnChange = [this] { Repaint(); },
                            .Mode = TPressTracker::TMode::Follows}};
};
