#pragma once
#include <windows.h>

#include <functional>
#include <string>

// Runs an action on each window of a class that this thread creates
// (HCBT_CREATEWND) or activates (HCBT_ACTIVATE), while the watch lives. A
// hook set later runs before earlier ones, so the action sees a window
// before the program's own hook does.
class WindowWatch {
public:
    WindowWatch(const wchar_t* className, int code, std::function<void(HWND)> action) {
        FClassName = className;
        FCode = code;
        FAction = std::move(action);
        FHook = SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId());
    }
    ~WindowWatch() { UnhookWindowsHookEx(FHook); }
    WindowWatch(const WindowWatch&) = delete;
    WindowWatch& operator=(const WindowWatch&) = delete;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == FCode) {
            wchar_t name[64] = {};
            GetClassNameW(HWND(wParam), name, 64);
            if (FClassName == name) FAction(HWND(wParam));
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline std::wstring FClassName;
    static inline int FCode;
    static inline std::function<void(HWND)> FAction;
    HHOOK FHook;
};
