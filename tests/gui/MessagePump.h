#pragma once
#include <windows.h>

#include <chrono>

// Runs the test thread's messages for a while, so timers tick and sent
// callbacks arrive, as the program's message loop would.
inline void PumpFor(std::chrono::milliseconds duration) {
    auto end = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < end) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}
