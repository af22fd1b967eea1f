#include "tray/WindowTimer.h"

#include <set>

namespace {
TWindowTimerHandler* sharedHandler = nullptr;

// Whatever timer outlives the program, its shared window goes at shut-down.
struct ShutDown {
    ~ShutDown() { delete sharedHandler; }
} shutDown;

// The timers alive now: a tick names its timer by address, and only a live
// one may be called.
std::set<const TWindowTimer*>& LiveTimers() {
    static std::set<const TWindowTimer*> timers;
    return timers;
}
}  // namespace

TWindowTimerHandler::TWindowTimerHandler()
    : FWindow([this](UINT message, WPARAM wParam, LPARAM lParam) { return WndProc(message, wParam, lParam); }) {}

TWindowTimerHandler& TWindowTimerHandler::Register() {
    if (!sharedHandler) sharedHandler = new TWindowTimerHandler();
    ++sharedHandler->FUsers;
    return *sharedHandler;
}

void TWindowTimerHandler::Unregister() {
    if (!sharedHandler) return;
    if (sharedHandler->FUsers > 0) --sharedHandler->FUsers;
    if (sharedHandler->FUsers == 0) {
        delete sharedHandler;
        sharedHandler = nullptr;
    }
}

HWND TWindowTimerHandler::SharedWindow() { return sharedHandler ? sharedHandler->FWindow.Handle() : nullptr; }

LRESULT TWindowTimerHandler::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_TIMER) return DefWindowProcW(FWindow.Handle(), message, wParam, lParam);
    auto* timer = reinterpret_cast<TWindowTimer*>(wParam);
    if (LiveTimers().count(timer)) CallEvent(timer->OnTimer(), timer);
    return 0;
}

TWindowTimer::TWindowTimer() : TWindowTimer(1000, nullptr) {}

TWindowTimer::TWindowTimer(UINT interval, TNotifyEvent onTimer)
    : FInterval(interval), FOnTimer(std::move(onTimer)) {
    TWindowTimerHandler::Register();
    LiveTimers().insert(this);
}

TWindowTimer::~TWindowTimer() {
    if (FEnabled) Stop(true);
    LiveTimers().erase(this);
    TWindowTimerHandler::Unregister();
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
    bool started = SetTimer(TWindowTimerHandler::SharedWindow(), TimerId(), FInterval, nullptr) != 0;
    if (started) FEnabled = true;
    return started;
}

bool TWindowTimer::Stop(bool clear) {
    if (clear) FEnabled = false;
    return KillTimer(TWindowTimerHandler::SharedWindow(), TimerId());
}
