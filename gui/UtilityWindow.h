#pragma once
#include <windows.h>

#include <functional>

// A hidden window whose messages go to one callback: what timers and the
// tray icon need to receive WM_TIMER and shell callbacks without a form.
class TUtilityWindow {
public:
    using Handler = std::function<LRESULT(UINT message, WPARAM wParam, LPARAM lParam)>;

    explicit TUtilityWindow(Handler handler);
    ~TUtilityWindow();
    TUtilityWindow(const TUtilityWindow&) = delete;
    TUtilityWindow& operator=(const TUtilityWindow&) = delete;

    HWND Handle() const { return FHandle; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    Handler FHandler;
    HWND FHandle = nullptr;
};
