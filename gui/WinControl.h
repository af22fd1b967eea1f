#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Events.h"
#include "gui/Font.h"
#include "gui/MessageDispatch.h"

// Position and size inside the parent's client area, in pixels.
struct TBounds {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};

using TContextPopupEvent = std::function<void(TObject* Sender, POINT MousePos, bool& Handled)>;

// A control with a window. The framework's window classes are registered
// here (each under the control's class name, standard ones as superclasses
// of the Win32 class), and every message of them passes through WndProc.
//
// Every window made here carries the window property named by
// ControlPropertyName(), pointing at its control, so that code which meets a
// bare window handle (the skin engine's hook) finds the control and its form.
class TWinControl : public TObject {
public:
    TWinControl() = default;
    ~TWinControl() override;
    TWinControl(const TWinControl&) = delete;
    TWinControl& operator=(const TWinControl&) = delete;

    HWND Handle() const { return FHandle; }
    TWinControl* Parent() const { return FParent; }
    // The top-level control (a form) whose control this is; null for a
    // top-level control itself.
    TWinControl* Owner() const { return FOwner; }
    // Of a top-level control: every control it holds, at any depth, in
    // creation order.
    const std::vector<TWinControl*>& OwnedControls() const { return FOwnedControls; }
    // Of a top-level control: sends message to every control it holds;
    // whether any of them answered other than 0.
    bool Broadcast(UINT message, WPARAM wParam, LPARAM lParam) const;
    static TWinControl* FromHandle(HWND window);
    // The global atom's name of the property that links window and control.
    static const std::wstring& ControlPropertyName();

    // Direct child controls in creation order, which is their tab order.
    const std::vector<TWinControl*>& Controls() const { return FControls; }
    // Every control below this one in tab order, depth first.
    std::vector<TWinControl*> TabOrderList() const;
    UINT ControlId() const { return FControlId; }
    int Tag = 0;

    std::string Text() const;
    void SetText(std::string_view text);
    // Enabling and showing through these tell the control when they change
    // anything (CM_ENABLEDCHANGED, CM_VISIBLECHANGED).
    bool Enabled() const;
    void SetEnabled(bool enabled);
    // Whether the control itself is shown; Showing also asks its parents.
    bool Visible() const;
    void SetVisible(bool visible);
    bool Showing() const;
    TBounds Bounds() const;
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& font);
    // The background colour; CLR_DEFAULT is the system's button face.
    COLORREF Color() const { return FColor; }
    void SetColor(COLORREF color);
    COLORREF BackgroundColor() const;
    void SetFocus();
    void Invalidate();

    // Paints what the parent shows under this control into dc, in this
    // control's client coordinates: the background of a control that lets
    // its parent show through.
    void PaintParentBackground(HDC dc);

    std::string Hint;  // GBK; shown at once when the pointer rests here
    TMouseMoveEvent OnMouseMove;
    TContextPopupEvent OnContextPopup;

protected:
    struct CreateArgs {
        const wchar_t* className;
        const wchar_t* baseClass;  // Win32 class to superclass, or null for our own
        DWORD style;
        DWORD exStyle;
        TBounds bounds;
        UINT classStyle = 0;
    };
    // A child control: the parent's font, and a tooltip when showHint is set.
    void CreateChild(TWinControl& parent, const CreateArgs& args, bool showHint);
    void CreateTopLevel(HWND owner, const CreateArgs& args, const TFont& font);
    // A child window of any window, ours or not, that stays outside the
    // tree of controls: no tab order, no owning form, no parent's font. It
    // goes with this object or with its parent window, whichever goes first.
    void CreateOverlay(HWND parent, const CreateArgs& args);

    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam);

    // The control's own painting. A standard control draws itself; classes
    // of our own override this and paint their whole client area.
    virtual void Paint(HDC dc);
    bool OwnClass() const { return FBaseProc == DefWindowProcW; }

    // What Win32 tells the parent about this control comes back here.
    virtual void Command(WORD /*notifyCode*/) {}
    virtual HBRUSH ControlColor(HDC dc);
    virtual LRESULT Notify(NMHDR& /*header*/) { return 0; }
    virtual bool DrawItem(DRAWITEMSTRUCT& /*item*/) { return false; }
    virtual bool MeasureItem(MEASUREITEMSTRUCT& /*item*/) { return false; }
    virtual void Scroll(UINT /*message*/, WORD /*code*/, WORD /*position*/) {}

private:
    static LRESULT CALLBACK StaticWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static WNDPROC RegisterClassOnce(const CreateArgs& args);
    void Create(HWND parentOrOwner, const CreateArgs& args, UINT controlId);
    void Attach(HWND window);
    void Detach();
    LRESULT ForwardToChild(UINT message, WPARAM wParam, LPARAM lParam, bool& forwarded);
    LRESULT HandleReflected(UINT message, WPARAM wParam, LPARAM lParam);
    bool ShowTooltipText(NMHDR& header);

    HWND FHandle = nullptr;
    TWinControl* FParent = nullptr;
    TWinControl* FOwner = nullptr;
    std::vector<TWinControl*> FOwnedControls;
    std::vector<TWinControl*> FControls;
    UINT FControlId = 0;
    WNDPROC FBaseProc = DefWindowProcW;
    TFont FFont;
    COLORREF FColor = CLR_DEFAULT;
    std::wstring FShownHint;
    TMessageRecord* FMessage = nullptr;
};

// A solid brush of the colour, made once and kept for the program's life.
HBRUSH SolidBrush(COLORREF color);
