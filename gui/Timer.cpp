#include "gui/Timer.h"

#include <set>

namespace {
// The timers alive now: a tick names its timer by address, and only a live
// one may be called.
std::set<const TWindowTimer*>& LiveTimers() {
    static std::set<const TWindowTimer*> timers;
    return timers;
}
}  // namespace

HWND TWindowTimerHandler::SharedWindow() {
    std::shared_ptr<TWindowTimerHandler> handler = TSharedInstance<TWindowTimerHandler>::Current();
    return handler ? handler->Handle() : nullptr;
}

LRESULT TWindowTimerHandler::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_TIMER) return DefWindowProcW(Handle(), message, wParam, lParam);
    auto* timer = reinterpret_cast<TWindowTimer*>(wParam);
    if (!LiveTimers().count(timer)) return 0;
    // A copy: the handler may replace itself or destroy its timer.
    TNotifyEvent onTimer = timer->OnTimer();
    CallEvent(onTimer, timer);
    return 0;
}

TWindowTimer::TWindowTimer() : TWindowTimer(1000, nullptr) {}

TWindowTimer::TWindowTimer(UINT interval, TNotifyEvent onTimer) : FInterval(interval), FOnTimer(std::move(onTimer)) {
    LiveTimers().insert(this);
}

TWindowTimer::~TWindowTimer() {
    if (FEnabled) Stop(true);
    LiveTimers().erase(this);
}

void TWindowTimer::SetEnabled(bool enabled) {
    if (enabled)
        Start();
    else
        Stop(true);
}

// A new period restarts a running timer; the same period changes nothing.
void TWindowTimer::SetInterval(UINT interval) {
    if (interval == FInterval) return;
    FInterval = interval;
    if (!FEnabled) return;
    if (interval != 0)
        Start();
    else
        Stop(false);
}

void TWindowTimer::SetOnTimer(TNotifyEvent onTimer) {
    FOnTimer = std::move(onTimer);
    if (!FOnTimer && FEnabled) Stop(false);
}

bool TWindowTimer::Start() {
    if (FInterval == 0) return false;
    if (FEnabled) Stop(true);
    bool started = SetTimer(FHandler->Handle(), TimerId(), FInterval, nullptr) != 0;
    if (started) FEnabled = true;
    return started;
}

bool TWindowTimer::Stop(bool clear) {
    if (clear) FEnabled = false;
    return KillTimer(FHandler->Handle(), TimerId());
}
