#pragma once
#include "skin/data/SkinElements.h"

// The colour of text on an element drawn in one of the five states that
// buttons, tabs and header sections share (1 normal, 2 pressed, 3 disabled,
// 4 under the mouse, 5 focused): the element's own text colours, the
// disabled colour for state 3, the pressed colour for a focused one.
TColor StateTextColour(const TSkinElement& element, int frame, TColor disabled);
