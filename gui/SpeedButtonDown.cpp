#include "gui/SpeedButtonDown.h"

bool DownAfterClick(bool down, int groupIndex, bool allowAllUp) {
    if (groupIndex == 0) return false;
    return !(down && allowAllUp);
}

bool RaisedByGroupmate(int groupIndex, int groupmateIndex) { return groupIndex != 0 && groupIndex == groupmateIndex; }
