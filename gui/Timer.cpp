#include "gui/Timer.h"

namespace {
const UINT_PTR kTimerId = 1;
}

TTimer::TTimer(UINT interval, bool enabled)
    : interval_(interval), enabled_(enabled), window_([this](UINT message, WPARAM wParam, LPARAM lParam) {
          if (message != WM_TIMER) return DefWindowProcW(window_.Handle(), message, wParam, lParam);
          CallEvent(OnTimer, this);
          return LRESULT(0);
      }) {
    Update();
}

TTimer::~TTimer() { KillTimer(window_.Handle(), kTimerId); }

void TTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Update();
}

void TTimer::Update() {
    KillTimer(window_.Handle(), kTimerId);
    if (enabled_ && interval_ > 0) SetTimer(window_.Handle(), kTimerId, interval_, nullptr);
}
