#pragma once
// What the tests of control skinners share: reading back what a control
// shows, and a bare top-level window whose children are the kind of window
// the skin meets in the system's dialog boxes.
#include <windows.h>

#include <chrono>
#include <utility>
#include <vector>

#include "base/win32/Handles.h"
#include "gui/WinControl.h"
#include "skin/draw/Offscreen.h"
#include "skin/draw/PixelBuffer.h"
#include "skin/frame/SkinFrame.h"
#include "skin/manager/SkinManager.h"
#include "tests/gui/MessagePump.h"

// The control's client area (or its whole window) as it shows now.
inline PixelBuffer ClientPixels(HWND window, TWindowDC::TArea area = TWindowDC::Client) {
    RECT shown;
    if (area == TWindowDC::Whole) {
        GetWindowRect(window, &shown);
        OffsetRect(&shown, -shown.left, -shown.top);
    } else {
        GetClientRect(window, &shown);
    }
    TOffscreen shot(shown.right, shown.bottom);
    TWindowDC dc(window, area);
    shot.CopyFrom(dc.Get(), 0, 0);
    return shot.Pixels();
}

inline Pixel PixelOf(COLORREF colour) { return PixelFromColor(TColor(colour)); }

// A top-level window of no framework class, made by this program's module,
// that notes the commands its children send it.
class TBareWindow {
public:
    TBareWindow() {
        static const ATOM registered = [] {
            WNDCLASSW windowClass = {};
            windowClass.lpfnWndProc = Procedure;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
            windowClass.lpszClassName = L"QuorvikBareWindow";
            return RegisterClassW(&windowClass);
        }();
        (void)registered;
        FWindow = CreateWindowExW(0, L"QuorvikBareWindow", L"bare", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 100,
                                  100, 260, 180, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~TBareWindow() { DestroyWindow(FWindow); }
    TBareWindow(const TBareWindow&) = delete;
    TBareWindow& operator=(const TBareWindow&) = delete;

    HWND Handle() const { return FWindow; }

    HWND AddChild(const wchar_t* className, const wchar_t* text, DWORD style, TBounds bounds, int id,
                  HINSTANCE instance = GetModuleHandleW(nullptr)) {
        return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, bounds.Left, bounds.Top,
                               bounds.Width, bounds.Height, FWindow, reinterpret_cast<HMENU>(INT_PTR(id)), instance,
                               nullptr);
    }
    // Shows and activates it; the skin manager skins it on activation.
    void Show() {
        ShowWindow(FWindow, SW_SHOW);
        SetForegroundWindow(FWindow);
        PumpUntil([&] {
            TSkinFrame* frame = TSkinManager::Instance()->FindSkinForm(FWindow);
            return frame && frame->State() == TSkinFrame::Skinned && GetActiveWindow() == FWindow;
        });
        RedrawWindow(FWindow, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpUntilQuiet();
    }

    // WM_COMMAND messages received: wParam and lParam.
    std::vector<std::pair<WPARAM, LPARAM>> Commands;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<TBareWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && message == WM_COMMAND) self->Commands.emplace_back(wParam, lParam);
        return DefWindowProcW(window, message, wParam, lParam);
    }

    HWND FWindow = nullptr;
};
