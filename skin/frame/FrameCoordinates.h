#pragma once
#include <algorithm>
#include <cstdint>

#include "skin/draw/PixelBuffer.h"

// Positions and sizes that the skinned frame works out from a skin. A skin
// may give any 32-bit number; results stay within ±2^20, so a caller can
// add a few of them in int without overflow, and sizes are never negative.
inline constexpr int64_t kFrameCoordinateLimit = 1 << 20;

inline int ClampCoordinate(int64_t value) {
    return int(std::clamp(value, -kFrameCoordinateLimit, kFrameCoordinateLimit));
}
inline int ClampSize(int64_t value) { return int(std::clamp<int64_t>(value, 0, kFrameCoordinateLimit)); }

struct Point {
    int X = 0, Y = 0;
};

struct Size {
    int Width = 0, Height = 0;
};

inline int64_t RightOf(Rect area) { return int64_t(area.Left) + area.Width; }
inline int64_t BottomOf(Rect area) { return int64_t(area.Top) + area.Height; }

inline bool Contains(Rect area, Point point) {
    return point.X >= area.Left && point.X < RightOf(area) && point.Y >= area.Top && point.Y < BottomOf(area);
}

// The rectangle from left/top to right/bottom, clamped; a right or bottom
// edge before its start gives an empty rectangle at the start.
inline Rect RectFromEdges(int64_t left, int64_t top, int64_t right, int64_t bottom) {
    int clampedLeft = ClampCoordinate(left), clampedTop = ClampCoordinate(top);
    return {clampedLeft, clampedTop, ClampSize(right - clampedLeft), ClampSize(bottom - clampedTop)};
}
