#pragma once
#include <vector>

#include "skin/draw/PixelBuffer.h"

// The chunks stand this far inside the edges of a progress bar's trough.
inline constexpr int kProgressInset = 2;

// What a progress bar shows.
struct ProgressState {
    int Min = 0, Max = 100, Position = 0;
    bool Vertical = false;
};

// The chunks of a bar of width x height, each chunkLength long along the bar,
// from the left (from the bottom when upright) until they cover the share of
// the trough's inside that the position fills: a chunk once begun is shown
// whole, and the last is cut at the inside's end. A position outside the
// range counts as its nearest end; a chunk length of 0 or less gives one
// piece over the filled share.
std::vector<Rect> ProgressChunks(int width, int height, const ProgressState& state, int chunkLength);
