#pragma once
#include <windows.h>

#include <memory>

#include "gui/Events.h"
#include "gui/UtilityWindow.h"

// The one hidden window that all timer objects share. It lives exactly while
// at least one timer object exists.
class TWindowTimerHandler {
public:
    static TWindowTimerHandler& Register();
    static void Unregister();
    static HWND SharedWindow();  // null while no timer exists

private:
    TWindowTimerHandler();
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);

    unsigned FUsers = 0;
    TUtilityWindow FWindow;
};

// A timer without a window of its own. Stopped (not enabled), running
// (enabled, system timer set) or suspended (enabled, no system timer: its
// interval or its callback was cleared while it ran).
class TWindowTimer : public TObject {
public:
    TWindowTimer();
    TWindowTimer(UINT interval, TNotifyEvent onTimer);
    ~TWindowTimer() override;
    TWindowTimer(const TWindowTimer&) = delete;
    TWindowTimer& operator=(const TWindowTimer&) = delete;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    UINT Interval() const { return FInterval; }
    void SetInterval(UINT interval);
    const TNotifyEvent& OnTimer() const { return FOnTimer; }
    void SetOnTimer(TNotifyEvent onTimer);

    bool Start();
    bool Stop(bool clear);

    UINT_PTR TimerId() const { return reinterpret_cast<UINT_PTR>(this); }

private:
    bool FEnabled = false;
    UINT FInterval;
    TNotifyEvent FOnTimer;
};
