#pragma once
#include <windows.h>

#include "skin/scrollbar/ScrollbarLayout.h"

// One native scroll bar of a window as the system has it now, with its
// place on the screen; false when it does not show or the system cannot
// tell.
bool ReadScrollbar(HWND control, ScrollbarKind kind, ScrollbarFacts& facts, RECT& screen);

// The same of a window that is itself a scroll bar (class "ScrollBar").
bool ReadScrollbarControl(HWND bar, ScrollbarFacts& facts, RECT& screen);

// The kind of bar a scroll bar window is, by its style.
ScrollbarKind KindOfScrollbarControl(HWND bar);
