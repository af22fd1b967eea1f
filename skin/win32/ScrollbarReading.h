#pragma once
#include <windows.h>

#include "skin/ScrollbarLayout.h"

// One native scroll bar of a window as the system has it now, with its
// place on the screen; false when it does not show or the system cannot
// tell.
bool ReadScrollbar(HWND control, ScrollbarKind kind, ScrollbarFacts& facts, RECT& screen);
