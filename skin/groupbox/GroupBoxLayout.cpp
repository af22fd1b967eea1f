#include "skin/groupbox/GroupBoxLayout.h"

#include <algorithm>

GroupBoxLayout LayoutGroupBox(Size box, Size caption, int zeroHeight, bool rightAligned) {
    GroupBoxLayout layout;
    int frameTop = std::clamp(zeroHeight / 2, 0, std::max(box.Height, 0));
    layout.Frame = RectFromEdges(0, frameTop, box.Width, box.Height);
    if (caption.Width > 0) {
        int64_t left = rightAligned ? int64_t(box.Width) - kGroupBoxCaptionIndent - caption.Width : kGroupBoxCaptionIndent;
        layout.Caption = RectFromEdges(left, 0, left + caption.Width, caption.Height);
    }
    int64_t interiorTop = std::max<int64_t>(int64_t(frameTop) + kGroupBoxNativeBorder, BottomOf(layout.Caption));
    layout.Interior = RectFromEdges(kGroupBoxNativeBorder, interiorTop, int64_t(box.Width) - kGroupBoxNativeBorder,
                                    int64_t(box.Height) - kGroupBoxNativeBorder);
    return layout;
}
