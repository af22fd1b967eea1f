#pragma once
#include <windows.h>

// Functions of user32 that older systems lack, looked up once at start;
// each is null where the system has none, and the skin does without.
struct TUser32Extras {
    BOOL(WINAPI* GetScrollBarInfo)(HWND, LONG, PSCROLLBARINFO) = nullptr;
    BOOL(WINAPI* TrackMouseEvent)(LPTRACKMOUSEEVENT) = nullptr;
    BOOL(WINAPI* GetComboBoxInfo)(HWND, PCOMBOBOXINFO) = nullptr;
    void(WINAPI* DisableProcessWindowsGhosting)() = nullptr;
};

const TUser32Extras& User32Extras();
