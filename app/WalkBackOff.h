#pragma once
#include <cstdint>
#include <map>

// How long a browser window in which no address field was found is left
// before it is walked again: 10 s after the first miss, 30 s after the
// second, 60 s after each later one. A walk costs the browser a call per
// node, and some windows never have a field (an installed web app's, whose
// field is read-only). An event from the window, or the window coming to
// the front, starts the steps over, and so does a field found. Times are
// milliseconds of a 32-bit clock that wraps, as GetTickCount's does.
class TWalkBackOff {
public:
    using Window = uintptr_t;

    bool MayWalk(Window window, uint32_t now) const;
    void Missed(Window window, uint32_t now);
    void StartOver(Window window) { FMisses.erase(window); }
    // Forgets the windows for which closed(window) holds.
    template <class Predicate>
    void ForgetWhere(Predicate closed) {
        std::erase_if(FMisses, [&](const auto& entry) { return closed(entry.first); });
    }

private:
    struct TMisses {
        unsigned Count = 0;
        uint32_t Last = 0;
    };
    std::map<Window, TMisses> FMisses;
};
