#include "skin/frame/RegionRuns.h"

namespace {

void AddRun(std::vector<std::vector<Rect>>& blocks, Rect run, size_t blockSize) {
    if (blocks.empty() || blocks.back().size() >= blockSize) blocks.emplace_back();
    blocks.back().push_back(run);
}

}  // namespace

std::vector<std::vector<Rect>> OpaqueRunBlocks(const PixelBuffer& image, Point offset, size_t blockSize) {
    std::vector<std::vector<Rect>> blocks;
    blockSize = std::max<size_t>(blockSize, 1);
    for (int y = 0; y < image.Height(); ++y) {
        const Pixel* row = image.Row(y);
        int x = 0;
        while (x < image.Width()) {
            while (x < image.Width() && IsOutsideRegion(row[x])) ++x;
            int start = x;
            while (x < image.Width() && !IsOutsideRegion(row[x])) ++x;
            if (x > start)
                AddRun(blocks, {ClampCoordinate(int64_t(offset.X) + start), ClampCoordinate(int64_t(offset.Y) + y),
                                x - start, 1},
                       blockSize);
        }
    }
    return blocks;
}

WindowRegionPlan PlanWindowRegion(const TSkinData& skin, const FrameMetrics& metrics) {
    WindowRegionPlan plan;
    plan.WholeWindow = !skin.Left.Trans && !skin.Right.Trans && !skin.Top.Trans;
    if (plan.WholeWindow) return plan;
    plan.CutLeft = skin.Left.Trans;
    plan.CutRight = skin.Right.Trans;
    // Too thin to hold a shape worth cutting.
    plan.CutTop = skin.Top.Trans && metrics.Caption > 1;
    plan.CutBottom = skin.Bottom.Trans && metrics.Bottom >= 2;
    return plan;
}
