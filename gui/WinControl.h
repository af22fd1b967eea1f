#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "gui/Events.h"
#include "gui/Font.h"

// Position and size inside the parent's client area, in pixels.
struct TBounds {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};

using TContextPopupEvent = std::function<void(TObject* Sender, POINT MousePos, bool& Handled)>;

// A control with a window. The framework's window classes are registered
// here (each under the control's class name, standard ones as superclasses
// of the Win32 class), and every message of them passes through WndProc.
class TWinControl : public TObject {
public:
    TWinControl() = default;
    ~TWinControl() override;
    TWinControl(const TWinControl&) = delete;
    TWinControl& operator=(const TWinControl&) = delete;

    HWND Handle() const { return FHandle; }
    TWinControl* Parent() const { return FParent; }
    static TWinControl* FromHandle(HWND window);

    std::string Text() const;
    void SetText(std::string_view text);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Showing() const;
    TBounds Bounds() const;
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& font);
    void SetFocus();

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
        HBRUSH background = nullptr;
    };
    // A child control: the parent's font, and a tooltip when showHint is set.
    void CreateChild(TWinControl& parent, const CreateArgs& args, bool showHint);
    void CreateTopLevel(HWND owner, const CreateArgs& args, const TFont& font);

    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam);

    // Notifications that Win32 sends to the parent come back to the control.
    virtual void Command(WORD /*notifyCode*/) {}
    virtual HBRUSH ControlColor(HDC dc);

private:
    static LRESULT CALLBACK StaticWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static WNDPROC RegisterClassOnce(const CreateArgs& args);
    void Create(HWND parentOrOwner, const CreateArgs& args);
    LRESULT HandleNotify(NMHDR* header);

    HWND FHandle = nullptr;
    TWinControl* FParent = nullptr;
    WNDPROC FDefaultProc = DefWindowProcW;
    TFont FFont;
    std::wstring FShownHint;
};
