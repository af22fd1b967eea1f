#include "skin/control/StateTextColour.h"

TColor StateTextColour(const TSkinElement& element, int frame, TColor disabled) {
    switch (frame) {
    case 2:
    case 5:
        return element.PressedTextColour;
    case 3:
        return disabled;
    case 4:
        return element.MouseOverTextColour;
    default:
        return element.NormalTextColour;
    }
}
