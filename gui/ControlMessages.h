#pragma once
#include <windows.h>

// Win32 tells a parent about its child controls (commands, colours, owner
// drawing, scrolling, notifications). A framework parent hands each such
// message back to the child it concerns as the child's own message,
// CN_BASE + the original number, through the child's window procedure, so
// that the control and anything laid over it see it.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;

inline bool IsControlColorMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// What the framework tells its controls, in the numbers that skinners of
// framework controls listen for. Each is sent to a control's own window.
constexpr UINT CM_BASE = 0xB000;
// A dialog key (Tab, an arrow, Enter, Esc) that the active form handles for
// its focused control; every control of the form hears it, wParam the key.
// A control that acts on the key answers 1, and the key goes no further.
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
// The form's focused control changed; every control of the form hears it,
// lParam the window that has the focus now.
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
// The framework showed or hid the control (wParam: whether it shows now).
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
// The framework enabled or disabled the control.
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
