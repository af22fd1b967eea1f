#include "gui/RangeControl.h"

void TRangeControl::SetRange(int min, int max) {
    FRange = OrderedRange(min, max);
    SendRange(FRange);
}

void TRangeControl::CreateRanged(TWinControl& parent, const CreateArgs& args, TOrientation orientation,
                                 TRange range, int position) {
    FOrientation = orientation;
    CreateChild(parent, args, false);
    SetRange(range.Min, range.Max);
    SetPosition(position);
}
