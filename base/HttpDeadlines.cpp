#include "base/HttpDeadlines.h"

#include <algorithm>

namespace {
void Earliest(std::optional<uint64_t>& at, uint64_t from, uint32_t limitMs) {
    if (limitMs) at = std::min(at.value_or(UINT64_MAX), from + limitMs);
}
}  // namespace

std::optional<uint64_t> THttpDeadlineWatch::GiveUpAt() const {
    std::optional<uint64_t> at;
    Earliest(at, FStart, FLimits.WholeMs);
    if (FLastArrival)
        Earliest(at, *FLastArrival, FLimits.IdleMs);
    else
        Earliest(at, FStart, FLimits.ConnectMs);
    return at;
}

bool THttpDeadlineWatch::Overrun(uint64_t now) const {
    std::optional<uint64_t> at = GiveUpAt();
    return at && now >= *at;
}
