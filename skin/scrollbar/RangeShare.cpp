#include "skin/scrollbar/RangeShare.h"

#include <algorithm>
#include <cstdint>

// In 64 bits: range and length multiplied may pass 2^31.
int RangeShare(int length, int min, int max, int position) {
    if (max <= min || length <= 0) return 0;
    int64_t span = int64_t(max) - min;
    int64_t done = std::clamp<int64_t>(int64_t(position) - min, 0, span);
    return int(length * done / span);
}
