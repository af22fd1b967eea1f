#pragma once
#include "skin/PixelBuffer.h"

// The picture turned upside down: its last row first.
PixelBuffer UpsideDown(const PixelBuffer& picture);
