#pragma once
#include "base/ByteView.h"
#include "skin/draw/PixelBuffer.h"

inline constexpr const char* kBitmapDamaged = "bitmap damaged";
// Larger pictures have no place in a skin; the bound keeps a damaged header
// from asking for gigabytes.
inline constexpr int kMaxBitmapSide = 16384;
inline constexpr int64_t kMaxBitmapPixels = 16 << 20;

// Reads a Windows bitmap file (file header, info header, colour table,
// pixels) of 1, 4, 8, 24 or 32 bits per pixel, uncompressed, stored bottom-up
// or top-down. Throws Exception(kBitmapDamaged) for anything else.
PixelBuffer ReadBitmapFile(ByteView file);

// The same without the file header, as a program's bitmap resource holds
// it: the pixels follow the colour table directly.
PixelBuffer ReadPackedBitmap(ByteView dib);
