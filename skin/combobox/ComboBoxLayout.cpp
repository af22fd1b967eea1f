#include "skin/combobox/ComboBoxLayout.h"

#include <algorithm>

#include "skin/data/SkinLoading.h"

namespace {
enum ComboFrame { Normal = 1, Hot = 2, Pressed = 3, Disabled = 4 };
}

ComboFrames ComboBoxFrames(const ComboCondition& condition) {
    if (!condition.Enabled) return {Disabled, Disabled};
    ComboFrames frames;
    if (condition.Focused || condition.DroppedDown)
        frames.Edge = Pressed;
    else if (condition.Hot)
        frames.Edge = Hot;
    if (condition.DroppedDown)
        frames.Arrow = Pressed;
    else if (condition.HotButton)
        frames.Arrow = Hot;
    return frames;
}

ComboParts ComboBoxParts(Size box, int arrowWidth) {
    // A box too narrow for its button keeps even the empty button inside it.
    int64_t buttonLeft = std::max<int64_t>(int64_t(box.Width) - kComboEdge - arrowWidth, kComboEdge);
    int64_t bottom = int64_t(box.Height) - kComboEdge;
    return {RectFromEdges(kComboEdge, kComboEdge, buttonLeft, bottom),
            RectFromEdges(buttonLeft, kComboEdge, int64_t(box.Width) - kComboEdge, bottom)};
}

Rect DatePickerButton(Size client, int arrowWidth) {
    int64_t left = std::max<int64_t>(int64_t(client.Width) - std::max(arrowWidth, 0), 0);
    return RectFromEdges(left, 0, client.Width, client.Height);
}
