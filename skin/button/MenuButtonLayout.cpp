#include "skin/button/MenuButtonLayout.h"

namespace {
// Between the caption and the arrow, and between the arrow and the edge.
const int kArrowGap = 4;
}  // namespace

MenuButtonParts LayOutMenuButton(int width, int height, int inset) {
    Rect inside = {inset, inset, width - 2 * inset, height - 2 * inset};
    int arrowRoom = kArrowGap + kMenuArrowWidth + kArrowGap;
    if (inside.Width < arrowRoom + kMenuArrowWidth || inside.Height < kMenuArrowHeight) return {inside, {}};
    int arrowLeft = inside.Left + inside.Width - kArrowGap - kMenuArrowWidth;
    Rect arrow = {arrowLeft, inside.Top + (inside.Height - kMenuArrowHeight) / 2, kMenuArrowWidth, kMenuArrowHeight};
    Rect caption = {inside.Left, inside.Top, inside.Width - arrowRoom, inside.Height};
    return {caption, arrow};
}

ArrowRow MenuArrowRow(int row) { return {row, kMenuArrowWidth - 1 - row}; }
