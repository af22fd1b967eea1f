#include "gui/Timer.h"

namespace {
const UINT_PTR kTimerId = 1;
}

TTimer::TTimer(UINT interval, bool enabled)
    : FInterval(interval), FEnabled(enabled), FWindow([this](UINT message, WPARAM wParam, LPARAM lParam) {
          if (message != WM_TIMER) return DefWindowProcW(FWindow.Handle(), message, wParam, lParam);
          CallEvent(OnTimer, this);
          return LRESULT(0);
      }) {
    Update();
}

TTimer::~TTimer() { KillTimer(FWindow.Handle(), kTimerId); }

void TTimer::SetEnabled(bool enabled) {
    FEnabled = enabled;
    Update();
}

void TTimer::Update() {
    KillTimer(FWindow.Handle(), kTimerId);
    if (FEnabled && FInterval > 0) SetTimer(FWindow.Handle(), kTimerId, FInterval, nullptr);
}
