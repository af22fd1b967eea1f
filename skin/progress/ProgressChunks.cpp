#include "skin/progress/ProgressChunks.h"

#include <algorithm>

#include "skin/scrollbar/RangeShare.h"

std::vector<Rect> ProgressChunks(int width, int height, const ProgressState& state, int chunkLength) {
    int across = (state.Vertical ? width : height) - 2 * kProgressInset;
    int along = (state.Vertical ? height : width) - 2 * kProgressInset;
    int filled = RangeShare(along, state.Min, state.Max, state.Position);
    std::vector<Rect> chunks;
    if (across <= 0 || filled <= 0) return chunks;
    int step = chunkLength > 0 ? chunkLength : filled;
    for (int start = 0; start < filled; start += step) {
        int length = std::min(step, along - start);
        if (state.Vertical)
            chunks.push_back({kProgressInset, kProgressInset + along - start - length, across, length});
        else
            chunks.push_back({kProgressInset + start, kProgressInset, length, across});
    }
    return chunks;
}
