#pragma once
#include <windows.h>

#include "skin/button/PushButtonLook.h"
#include "skin/control/SkinControl.h"

// Push buttons (our TButton and bare "button" windows of dialogs) drawn from
// the skin's five-state Buttons image. The skinner takes the mouse press
// from the native button, so the native look never shows and the click is
// the skinner's: the framework button's click event, or a command posted to
// a bare button's parent. The space bar stays the native button's; the
// skinner follows its pressed state.
class TSkinButton : public TSkinControl {
public:
    using TSkinControl::TSkinControl;

    bool BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Draw(HDC dc, const RECT& area) override;

    // What the button shows now.
    PushButtonState CurrentState() const;

protected:
    // Where what lies on the button's image goes: inside its edge.
    static RECT FaceBounds(const TOffscreen& canvas);
    // Draws what lies on the button's image in frame: the caption, and the
    // focus rectangle when the button has the focus.
    virtual void DrawFace(TOffscreen& canvas, int frame, bool focused);
    // The caption centred in bounds, its first "||" a line break, with the
    // focus rectangle around it when focused.
    void DrawCaption(TOffscreen& canvas, int frame, bool focused, const RECT& bounds);
    // The caption's colour in frame.
    COLORREF CaptionColour(int frame) const;
    // A focus rectangle around what the face shows, inside bounds.
    void DrawFocus(TOffscreen& canvas, RECT around, const RECT& bounds) const;

private:
    void Press();
    void Release();
    void Click();
    bool PointerOver() const;
    void BecomeHot();
    bool FPressed = false;
    bool FHot = false;
};
