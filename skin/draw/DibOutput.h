#pragma once
#include <windows.h>

#include "skin/draw/PixelBuffer.h"

// Copies a composed picture to a device context in one piece, with its top
// left corner at (x, y).
void DrawPixelBuffer(HDC dc, int x, int y, const PixelBuffer& picture);

