#pragma once
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>

#include "base/Events.h"
#include "base/win32/Handles.h"
#include "gui/ControlMessages.h"
#include "gui/PressTracker.h"
#include "gui/Subclass.h"
#include "gui/WinControl.h"
#include "skin/control/Painting.h"
#include "skin/data/SkinData.h"

class TOffscreen;
class TSkinFrame;

// Framework notifications that skinners follow, as the parent or the
// framework hands them to a control.
namespace SkinNotification {
inline constexpr UINT VisibleChanged = CM_VISIBLECHANGED;
inline constexpr UINT EnabledChanged = CM_ENABLEDCHANGED;
}  // namespace SkinNotification

// What a skinner serves: a framework control, or a bare child window of a
// dialog box (no control).
struct TSkinTarget {
    HWND Window = nullptr;
    TWinControl* Control = nullptr;
};

// A control skinner: takes over the painting, and for controls with
// pressable parts the mouse, of one control of a skinned window. It lies
// over the control's window as a subclass and paints the way its row of the
// skinner table says; the base carries out every way, so a skinner only
// draws on the canvas it is given. The frame that owns it detaches and
// frees it when the window is unskinned; its window going away makes it
// dead first.
class TSkinControl : public TSubclass, public TObject {
public:
    enum TState { Created = 0, Attached = 1, Dead = 6 };

    explicit TSkinControl(TSkinFrame& frame);
    ~TSkinControl() override;

    // Lays the skinner over its target, painting the given way. recolour: a
    // framework control takes the skin's button face colour while skinned
    // (and stops showing its parent's background). False when the window
    // could not be taken.
    bool Attach(const TSkinTarget& target, TPainting painting, bool recolour = false);
    // Gives back all that Attach changed, and the native look.
    void Detach();
    // After the skin changed: recolours again, then repaints.
    virtual void Refresh();
    // Paints what the skin shows of the control into dc: its client area,
    // or the whole window for a border.
    void PaintInto(HDC dc);

    TSkinFrame& Frame() const { return FFrame; }
    TSkinData& Skin() const;
    TWinControl* Control() const { return FTarget.Control; }
    TState State() const { return FState; }
    TPainting Painting() const { return FPainting; }
    bool PaintingEnabled() const { return FPaintingEnabled; }

protected:
    // Before the control sees a message: false when handled here, with result.
    virtual bool BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // After the control has seen it; result is what it answered.
    virtual void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Draws the skin on canvas, which already holds what lies under it: the
    // background (Replaced, UnderNative), the control's own picture
    // (OverNative, CustomDraw), or nothing (Border: the canvas covers the
    // whole window, and only the border reaches it).
    virtual void Draw(TOffscreen& canvas);
    // A part of a CustomDraw control, drawn on the canvas it paints on.
    virtual LRESULT CustomDraw(NMCUSTOMDRAW& draw);
    // Messages after which the control looks different. A native control
    // may draw on them at once through its own device context, past any
    // canvas: they run with its drawing held back, and the skin's picture
    // follows at once.
    virtual bool ChangesLook(UINT message) const;
    // The part of the window a Border skinner draws, in the window's own
    // coordinates: by default a ring BorderDepth deep.
    virtual TRegion SkinnedFramePart() const;
    virtual int BorderDepth() const { return 0; }
    // What a skinner lays over its control once attached, and gives back
    // before it is detached.
    virtual void AfterAttach() {}
    virtual void BeforeDetach() {}
    // Message 13574 has just turned painting off or on.
    virtual void PaintingSwitched() {}

    // Follows the mouse over the control's pressable parts through the one
    // tracker, which sees every message before the skinner.
    void TrackPresses(TPressTracker::Args args);
    TPressLook PressLook() const;

    // Paints the control afresh now, the way it paints.
    void Repaint();
    // What lies under the control on its parent, painted into dc.
    void PaintParentBackground(HDC dc);
    // The canvas filled with what lies under the control from the point
    // `from` of its client area on: its parent's picture when it shows it,
    // else the skin's button face.
    void PaintBackground(TOffscreen& canvas, POINT from = {0, 0});
    std::wstring Caption() const;
    // The font the control's text is drawn in, and its colour: the framework
    // control's, or the window's font in the skin's button text colour.
    HFONT ControlFont() const;
    COLORREF ControlTextColour() const;
    // A control tagged 5555 at attach, or any control when the skin's
    // options say soTransparent, shows its parent's background around its
    // picture.
    bool ShowsParentBackground() const { return FParentBackground; }

private:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) final;
    void WindowDestroyed() override;
    bool TakePaintMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool TakeSystemsMenu(UINT message, LPARAM lParam, LRESULT& result);
    bool HoldsDrawing() const;
    LRESULT CallHeld(UINT message, WPARAM wParam, LPARAM lParam);
    void PaintClient(HDC dc);
    void PaintBorder(HRGN update);
    void DrawBorder(HDC windowDC);
    void PaintUnder(HDC dc);
    void SwitchPainting(bool enabled);
    void KeepDrawingFromUnderOverlays(bool keep);
    bool WantsParentBackground() const;
    void Recolour();
    TOffscreen& Canvas(int width, int height);

    TSkinFrame& FFrame;
    TSkinTarget FTarget;
    TPainting FPainting = TPainting::Replaced;
    TState FState = Created;
    bool FPaintingEnabled = true;
    bool FRecolour = false;
    bool FParentBackground = false;
    COLORREF FColorBefore = CLR_DEFAULT;
    LONG FClippingAdded = 0;
    std::unique_ptr<TPressTracker> FTracker;
    std::unique_ptr<TOffscreen> FCanvas;
};
