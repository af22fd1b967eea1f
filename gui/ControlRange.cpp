#include "gui/ControlRange.h"

#include <algorithm>

TRange OrderedRange(int min, int max) { return min <= max ? TRange{min, max} : TRange{max, min}; }

int ClampPosition(int position, TRange range) {
    TRange ordered = OrderedRange(range.Min, range.Max);
    return std::clamp(position, ordered.Min, ordered.Max);
}
