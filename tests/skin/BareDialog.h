#pragma once
#include <windows.h>

// A bare dialog window, as the system's dialogs make them, with the
// children the dialogs' skinners serve: a drop-down list, a bordered edit,
// a group box, a size grip and a nested dialog. It is skinned when it
// first activates.
class BareDialog {
public:
    BareDialog() {
        FDialog = Make(0, L"#32770", WS_POPUP | WS_CAPTION | WS_SYSMENU, {100, 100, 260, 180}, nullptr);
        FCombo = Make(0, L"COMBOBOX", WS_TABSTOP | CBS_DROPDOWNLIST, {10, 10, 140, 200}, FDialog);
        Make(WS_EX_CLIENTEDGE, L"EDIT", WS_TABSTOP, {10, 40, 140, 22}, FDialog);
        Make(0, L"BUTTON", BS_GROUPBOX, {10, 70, 140, 60}, FDialog);
        FGrip = Make(0, L"SCROLLBAR", SBS_SIZEGRIP, {220, 110, 20, 20}, FDialog);
        FNested = Make(0, L"#32770", WS_CHILD, {160, 10, 80, 80}, FDialog);
        SendMessageW(FCombo, CB_ADDSTRING, 0, LPARAM(L"item"));
        SendMessageW(FCombo, CB_SETCURSEL, 0, 0);
    }
    ~BareDialog() { DestroyWindow(FDialog); }
    BareDialog(const BareDialog&) = delete;
    BareDialog& operator=(const BareDialog&) = delete;

    void Show() const {
        ShowWindow(FDialog, SW_SHOW);
        SetForegroundWindow(FDialog);
    }
    HWND Handle() const { return FDialog; }
    HWND Combo() const { return FCombo; }
    HWND Grip() const { return FGrip; }
    HWND Nested() const { return FNested; }

private:
    static HWND Make(DWORD exStyle, const wchar_t* className, DWORD style, RECT bounds, HWND parent) {
        return CreateWindowExW(exStyle, className, L"text", style | (parent ? WS_CHILD | WS_VISIBLE : 0), bounds.left,
                               bounds.top, bounds.right, bounds.bottom, parent, nullptr, GetModuleHandleW(nullptr),
                               nullptr);
    }

    HWND FDialog = nullptr;
    HWND FCombo = nullptr;
    HWND FGrip = nullptr;
    HWND FNested = nullptr;
};
