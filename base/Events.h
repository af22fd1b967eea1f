#pragma once
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

// Every event handler runs inside this catch-all: a failing step ends the
// handler silently, keeping what it changed before. No failure may travel
// on into a Win32 callback frame.
template <class Body>
void RunGuarded(Body&& body) {
    try {
        body();
    } catch (...) {
    }
}

template <class Event, class... Args>
void CallEvent(const Event& event, Args&&... args) {
    if (event) RunGuarded([&] { event(std::forward<Args>(args)...); });
}
