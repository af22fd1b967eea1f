#pragma once
#include <cstddef>
#include <vector>

#include "skin/data/SkinData.h"
#include "skin/frame/FrameCoordinates.h"
#include "skin/frame/FrameMetrics.h"

// ExtCreateRegion is given at most this many rectangles at a time.
inline constexpr size_t kRegionBlockRects = 2000;

// The opaque pixels of a painted border image as rectangles: one per run of
// opaque pixels in a row, moved by `offset` (where the image lies in the
// window), in blocks of at most blockSize rectangles. Each block becomes one
// region; the caller joins them.
std::vector<std::vector<Rect>> OpaqueRunBlocks(const PixelBuffer& image, Point offset,
                                               size_t blockSize = kRegionBlockRects);

// How the window region is made from the borders.
struct WindowRegionPlan {
    // None of the left, right and top borders is transparent: the region is
    // the whole window rectangle.
    bool WholeWindow = true;
    // Otherwise the client rectangle is joined with each border: its opaque
    // pixels when it is cut from its image, else its plain rectangle.
    bool CutLeft = false, CutRight = false, CutTop = false, CutBottom = false;
};
WindowRegionPlan PlanWindowRegion(const TSkinData& skin, const FrameMetrics& metrics);
