#include "gui/ControlRange.h"

TRange OrderedRange(int min, int max) { return min <= max ? TRange{min, max} : TRange{max, min}; }
