#pragma once
#include "skin/draw/PixelBuffer.h"

// A menu button: its caption, and beside it on the right the small
// downward arrow that tells the button opens a menu.
struct MenuButtonParts {
    Rect Caption;  // where the caption is centred
    Rect Arrow;    // empty when the button is too narrow to show one
};

inline constexpr int kMenuArrowWidth = 7;  // odd, so the arrow has a tip pixel
inline constexpr int kMenuArrowHeight = (kMenuArrowWidth + 1) / 2;

// The parts of a button of the size, inside the inset that keeps them off
// the edge of the skin's button image. A button with no room for the arrow
// beside a caption of at least its own width shows the caption alone.
MenuButtonParts LayOutMenuButton(int width, int height, int inset);

// One row of the arrow, counted from its top: the columns from First to
// Last, inclusive.
struct ArrowRow {
    int First = 0;
    int Last = 0;

    bool operator==(const ArrowRow&) const = default;
};
ArrowRow MenuArrowRow(int row);
