#pragma once
#include <windows.h>

#include "skin/button/PushButtonLook.h"
#include "skin/control/SkinControl.h"

// Push buttons (our TButton and bare "button" windows of dialogs) drawn from
// the skin's five-state Buttons image. The skinner takes the mouse press
// from the native button, so the native look never shows and the click is
// the skinner's: a command to the button's parent, as the native button
// sends it. The space bar stays the native button's; the skinner follows
// its pressed state.
class TSkinButton : public TSkinControl {
public:
    explicit TSkinButton(TSkinFrame& frame);

    // What the button shows now.
    PushButtonState CurrentState() const;

protected:
    bool BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool ChangesLook(UINT message) const override;
    void Draw(TOffscreen& canvas) override;

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
    void Click();
    bool FKeyPressed = false;  // held down by the space bar
};
