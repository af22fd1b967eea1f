#pragma once
#include <string_view>

#include "skin/draw/PixelBuffer.h"

// A 3x5 pixel font (letters, digits, a few signs) for labelling previews;
// scale multiplies every font pixel. Returns the width drawn.
int DrawLabel(PixelBuffer& target, int x, int y, std::string_view text, Pixel pixel, int scale = 1);
int LabelWidth(std::string_view text, int scale = 1);
