#pragma once
#include "skin/frame/FrameCoordinates.h"

// A skinned combo box: which states of the prepared combo picture it shows,
// and where its parts lie when the system cannot say.

// What a combo box shows of its condition.
struct ComboCondition {
    bool Enabled = true;
    bool Focused = false;
    bool DroppedDown = false;  // its list is open
    bool Hot = false;          // the pointer is over the box
    bool HotButton = false;    // the pointer is over what drops the list down
};

// 1-based frames of the combo picture and of the arrow, whose states are
// normal, hot, pressed and disabled.
struct ComboFrames {
    int Edge = 1;
    int Arrow = 1;
};

ComboFrames ComboBoxFrames(const ComboCondition& condition);

// The item (text) area that the box paints itself and the drop-down
// button, in the box's client coordinates, where the prepared picture puts
// them: the edge around, the button as wide as a scroll bar arrow at the
// right end.
struct ComboParts {
    Rect Item;
    Rect Button;
};

ComboParts ComboBoxParts(Size box, int arrowWidth);

// A date picker's drop-down button: as wide as a scroll bar arrow at the
// right end of its client area, the whole height; never outside the area.
Rect DatePickerButton(Size client, int arrowWidth);
