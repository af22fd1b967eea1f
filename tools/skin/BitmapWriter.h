#pragma once
#include <cstdint>
#include <vector>

#include "skin/draw/PixelBuffer.h"

// A 24-bit bottom-up Windows bitmap file of the image.
std::vector<uint8_t> WriteBitmapFile(const PixelBuffer& image);
