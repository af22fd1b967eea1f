#pragma once
#include <windows.h>

#include <chrono>
#include <functional>

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

// Runs the test thread's messages until done() or the time is up; whether
// done() came true.
inline bool PumpUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds timeout = std::chrono::milliseconds(1000)) {
    auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        if (done()) return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return false;
}

// Runs messages until none has come for the quiet time, or a second has
// passed: what a shown window posts to itself (focus, hover, repaints) has
// then been seen.
inline void PumpUntilQuiet(std::chrono::milliseconds quiet = std::chrono::milliseconds(30)) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(1000);
    auto lastMessage = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() < end && std::chrono::steady_clock::now() - lastMessage < quiet) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
            lastMessage = std::chrono::steady_clock::now();
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}
