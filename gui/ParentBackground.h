#pragma once
#include <windows.h>

// Paints what a window's parent shows under it into dc, in the window's
// client coordinates: the parent's erasing, then its client painting, both
// asked of the parent's window procedure as a printer asks, so that
// whatever lies over that procedure (a skin) paints them.
void PaintParentBackground(HWND window, HDC dc);
