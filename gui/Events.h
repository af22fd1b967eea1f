#pragma once
#include <functional>

// Root of the framework's components, so an event can name its Sender.
class TObject {
public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// Every event handler runs inside this catch-all: a failing step ends the
// handler silently, keeping what it changed before. No failure may travel
// on into a Win32 callback frame.
template <class Event, class... Args>
void CallEvent(const Event& event, Args&&... args) {
    if (!event) return;
    try {
        event(std::forward<Args>(args)...);
    } catch (...) {
    }
}
