#pragma once
#include <memory>

// One object of a kind that lives exactly while someone holds it: the hidden
// windows that all tray icons, or all timers, share. The first Acquire makes
// it; it goes when the last holder lets go, and the next Acquire makes a new one.
template <class T>
class TSharedInstance {
public:
    static std::shared_ptr<T> Acquire() {
        std::shared_ptr<T> live = Instance().lock();
        if (!live) {
            live = std::make_shared<T>();
            Instance() = live;
        }
        return live;
    }
    // The live object, or null; never makes one.
    static std::shared_ptr<T> Current() { return Instance().lock(); }

private:
    static std::weak_ptr<T>& Instance() {
        static std::weak_ptr<T> instance;
        return instance;
    }
};
