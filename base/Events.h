#pragma once
#include <exception>
#include <functional>

// Root of the framework's components, so an event can name its Sender.
class TObject {
public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Keys and buttons held during a mouse event, as bits.
using TShiftState = unsigned;
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

// Where a failure that the catch-all swallowed leaves its trace: its
// message, or kUnknownFailure for one that is no std::exception. The
// application points it at the debugger's output; unset, nothing is traced.
using TFailureTrace = void (*)(const char* message) noexcept;
inline TFailureTrace FailureTrace = nullptr;
inline constexpr char kUnknownFailure[] = "a handler failed with an exception of no standard type";

// Every event handler runs inside this catch-all: a failing step ends the
// handler, keeping what it changed before, and leaves only a trace. No
// failure may travel on into a Win32 callback frame.
template <class Body>
void RunGuarded(Body&& body) {
    try {
        body();
    } catch (const std::exception& failure) {
        if (FailureTrace) FailureTrace(failure.what());
    } catch (...) {
        if (FailureTrace) FailureTrace(kUnknownFailure);
    }
}

template <class Event, class... Args>
void CallEvent(const Event& event, Args&&... args) {
    if (event) RunGuarded([&] { event(std::forward<Args>(args)...); });
}
