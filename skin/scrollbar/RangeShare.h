#pragma once

// How much of `length` a position covers between min and max: 0 at min (and
// for an empty range), all of it at max; a position outside the range
// counts as its nearest end.
int RangeShare(int length, int min, int max, int position);
