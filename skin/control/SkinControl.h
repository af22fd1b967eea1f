#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "base/Events.h"
#include "gui/ControlMessages.h"
#include "gui/Subclass.h"
#include "gui/WinControl.h"
#include "skin/data/SkinData.h"
#include "skin/manager/SkinnerKind.h"

class TOffscreen;
class TSkinFrame;

// Framework notifications that skinners follow, as the parent or the
// framework hands them to a control.
namespace SkinNotification {
inline constexpr UINT VisibleChanged = CM_VISIBLECHANGED;
inline constexpr UINT EnabledChanged = CM_ENABLEDCHANGED;
}

// A control skinner: takes over the painting (and for buttons the mouse) of
// one control of a skinned window. It lies over the control's window as a
// subclass; a framework control also gives it its painting (ReplacePaint),
// so the control's WM_PAINT, WM_PRINTCLIENT and erasing all reach Draw.
// The frame that owns it frees it when the window is unskinned; its window
// going away makes it dead first.
class TSkinControl : public TSubclass, public TObject {
public:
    enum TState { Created = 0, Attached = 1, Dead = 6 };

    explicit TSkinControl(TSkinFrame& frame);
    ~TSkinControl() override;

    // For a framework control. recolour: the control takes the skin's button
    // face colour (and stops showing its parent's background) while skinned.
    virtual void Attach(TWinControl& control, bool recolour);
    // For a bare child window (of a dialog box).
    virtual void AttachWindow(HWND window);
    // Gives back what Attach changed; the frame calls it before freeing.
    virtual void Detach();
    // Before the control sees a message: false when handled here, with result.
    virtual bool BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // After the control has seen it; result is what it answered.
    virtual void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Paints into dc, or into the window's own device context when null.
    virtual void PaintWindow(HDC dc);
    // Draws the control into dc over area (its client area at the origin).
    virtual void Draw(HDC dc, const RECT& area);
    // After the skin changed: recolours again, then repaints.
    virtual void Refresh();

    TSkinFrame& Frame() const { return FFrame; }
    TSkinData& Skin() const;
    TWinControl* Control() const { return FControl; }
    TState State() const { return FState; }
    bool PaintingEnabled() const { return FPaintingEnabled; }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) final;
    void WindowDestroyed() override;
    // Invalidates and updates the control's window.
    void Repaint();
    // What lies under the control on its parent, painted into dc.
    void PaintParentBackground(HDC dc);
    // The window text (a bare window's) or the framework control's text.
    std::wstring Caption() const;
    // The font the control's text is drawn in, and its colour: the framework
    // control's, or the window's font in the skin's button text colour.
    HFONT ControlFont() const;
    COLORREF ControlTextColour() const;
    // A control tagged 5555 at attach, or any control when the skin's
    // options say soTransparent, shows its parent's background around its
    // picture.
    bool ShowsParentBackground() const { return FParentBackground; }
    // Paints for WM_PAINT: into the device context the message gives, or
    // between beginning and ending the paint.
    void PaintForMessage(WPARAM given);
    // An off-screen picture of the size, kept from one paint to the next.
    TOffscreen& Offscreen(int width, int height);
    // Fills canvas with what lies under the control from the point `from`
    // of its client area on: its parent's background when it shows it, else
    // the skin's button face colour.
    void PaintBackground(TOffscreen& canvas, POINT from);
    // False for skinners that leave a framework control's client area to
    // the control and skin only what lies around it.
    virtual bool TakesClientPainting() const { return true; }
    // Message 13574 has just turned painting off or on; skinners that
    // paint windows of their own follow.
    virtual void PaintingSwitched() {}

    std::wstring FText;

private:
    void ReadWindowText();
    bool WantsParentBackground() const;
    void Recolour();
    void TakePainting();
    void GiveBackPainting();

    TSkinFrame& FFrame;
    TWinControl* FControl = nullptr;
    TPaintHandler FOwnPainting;
    bool FPaintingEnabled = true;
    bool FPaintingTaken = false;
    bool FRecolour = false;
    bool FParentBackground = false;
    COLORREF FColorBefore = CLR_DEFAULT;
    TState FState = Created;
    std::unique_ptr<TOffscreen> FOffscreen;
};

