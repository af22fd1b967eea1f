#pragma once
#include <windows.h>

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
    const ScrollbarLook& Look() const { return FLook; }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) override;

private:
    void Press(LPARAM point);
    void EndPress(LPARAM screenPoint);
    void MoveOver(LPARAM point);
    void SetLook(ScrollbarLook look);
    ScrollbarPart PartAt(POINT point) const;
    ScrollbarPart PartUnderCursor() const;
    LPARAM ScreenPoint(LPARAM point) const;
    bool Read(ScrollbarFacts& facts, RECT& screen) const;
    void SendButton(bool down, LPARAM screenPoint) const;
    WPARAM HitCode() const { return FKind == ScrollbarKind::Horizontal ? HTHSCROLL : HTVSCROLL; }

    TSkinData& FSkin;
    HWND FControl;
    ScrollbarKind FKind;
    bool FWholeControl = false;
    ScrollbarFacts FFacts;
    ScrollbarLook FLook;
    bool FLeaveTracked = false;
};
