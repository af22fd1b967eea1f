#include "app/WalkBackOff.h"

#include <algorithm>
#include <array>

namespace {
const std::array<uint32_t, 3> kWaitsMs = {10000, 30000, 60000};

uint32_t WaitAfter(unsigned misses) { return kWaitsMs[std::min<size_t>(misses, kWaitsMs.size()) - 1]; }
}  // namespace

bool TWalkBackOff::MayWalk(Window window, uint32_t now) const {
    auto misses = FMisses.find(window);
    return misses == FMisses.end() || now - misses->second.Last >= WaitAfter(misses->second.Count);
}

void TWalkBackOff::Missed(Window window, uint32_t now) {
    TMisses& misses = FMisses[window];
    ++misses.Count;
    misses.Last = now;
}
