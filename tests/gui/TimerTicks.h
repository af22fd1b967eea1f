#pragma once
#include <windows.h>

#include <chrono>

#include "gui/Timer.h"
#include "tests/gui/MessagePump.h"

inline int gTimerTicks = 0;

inline LRESULT CALLBACK CountTimerTicks(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && message->message == WM_TIMER && message->hwnd == TWindowTimerHandler::SharedWindow())
        ++gTimerTicks;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Ticks of the timers' shared window while the test thread's messages are
// pumped: none when no timer runs.
inline int TimerTicksDuring(std::chrono::milliseconds duration) {
    gTimerTicks = 0;
    HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, CountTimerTicks, nullptr, GetCurrentThreadId());
    PumpFor(duration);
    UnhookWindowsHookEx(hook);
    return gTimerTicks;
}
