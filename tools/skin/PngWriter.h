#pragma once
#include <cstdint>
#include <vector>

#include "skin/draw/PixelBuffer.h"

// An RGB PNG file of the image, compressed with deflate's stored blocks
// only: a contact sheet needs to be viewable, not small.
std::vector<uint8_t> WritePngFile(const PixelBuffer& image);
