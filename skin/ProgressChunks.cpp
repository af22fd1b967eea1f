#include "skin/ProgressChunks.h"

#include <algorithm>
#include <cstdint>

namespace {
// How much of `length` the position fills; in 64 bits, as range and length
// multiplied may pass 2^31.
int FilledLength(int length, const ProgressState& state) {
    if (state.Max <= state.Min || length <= 0) return 0;
    int64_t span = int64_t(state.Max) - state.Min;
    int64_t done = std::clamp<int64_t>(int64_t(state.Position) - state.Min, 0, span);
    return int(length * done / span);
}
}  // namespace

std::vector<Rect> ProgressChunks(int width, int height, const ProgressState& state, int chunkLength) {
    int across = (state.Vertical ? width : height) - 2 * kProgressInset;
    int along = (state.Vertical ? height : width) - 2 * kProgressInset;
    int filled = FilledLength(along, state);
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
