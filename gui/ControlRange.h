#pragma once

// Which way a range control (progress bar, track bar, up-down) runs.
enum class TOrientation { Horizontal, Vertical };

// The limits of a control that shows a position in a range.
struct TRange {
    int Min = 0;
    int Max = 100;

    bool operator==(const TRange&) const = default;
};

// Limits given the wrong way round are swapped, so that every position a
// control is given has a place between them.
TRange OrderedRange(int min, int max);

// The position a control shows for a value: the value, held inside the range.
int ClampPosition(int position, TRange range);
