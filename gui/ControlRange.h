#pragma once

// Which way a range control (progress bar, track bar, up-down) runs.
enum class TOrientation { Horizontal, Vertical };

// The limits of a control that shows a position in a range.
struct TRange {
    int Min = 0;
    int Max = 100;

    bool operator==(const TRange&) const = default;
};

// Limits given the wrong way round are swapped: the controls take them only
// in order, and hold every position they are given inside them.
TRange OrderedRange(int min, int max);
