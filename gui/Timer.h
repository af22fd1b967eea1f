#pragma once
#include <windows.h>

#include <memory>

#include "base/Events.h"
#include "gui/SharedInstance.h"
#include "gui/UtilityWindow.h"

// The one hidden window that all timers share; each tick names its timer.
// It lives exactly while at least one timer exists.
class TWindowTimerHandler : public TUtilityWindow {
public:
    static HWND SharedWindow();  // null while no timer exists

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// A timer without a window of its own. Stopped (not enabled), running
// (enabled, system timer set) or suspended (enabled, no system timer: its
// interval or its callback was cleared while it ran). Its handler may change
// or destroy the timer that called it.
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
    std::shared_ptr<TWindowTimerHandler> FHandler = TSharedInstance<TWindowTimerHandler>::Acquire();
    bool FEnabled = false;
    UINT FInterval;
    TNotifyEvent FOnTimer;
};

// The timer of a form, running from the start when the form says so.
class TTimer : public TWindowTimer {
public:
    TTimer(UINT interval, bool enabled) : TWindowTimer(interval, nullptr) { SetEnabled(enabled); }
};
