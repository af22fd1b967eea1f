#pragma once
#include "skin/draw/PixelBuffer.h"

// The picture turned upside down: its last row first.
PixelBuffer UpsideDown(const PixelBuffer& picture);
