#include "skin/frame/WindowRegion.h"

#include <vector>

#include "skin/draw/ElementDrawing.h"
#include "skin/frame/RegionRuns.h"

namespace {
TRegion RectangleRegion(Rect area) {
    return TRegion(CreateRectRgn(area.Left, area.Top, area.Left + area.Width, area.Top + area.Height));
}

void Join(TRegion& into, HRGN part) {
    if (part) CombineRgn(into.Get(), into.Get(), part, RGN_OR);
}

// One region per block of rectangles, each joined into the whole.
void JoinOpaqueRuns(TRegion& into, const PixelBuffer& painted, Rect area) {
    for (const std::vector<Rect>& block : OpaqueRunBlocks(painted, {area.Left, area.Top})) {
        std::vector<char> data(sizeof(RGNDATAHEADER) + block.size() * sizeof(RECT));
        auto* header = reinterpret_cast<RGNDATA*>(data.data());
        header->rdh.dwSize = sizeof(RGNDATAHEADER);
        header->rdh.iType = RDH_RECTANGLES;
        header->rdh.nCount = DWORD(block.size());
        auto* rects = reinterpret_cast<RECT*>(header->Buffer);
        for (size_t i = 0; i < block.size(); ++i)
            rects[i] = {block[i].Left, block[i].Top, block[i].Left + block[i].Width, block[i].Top + block[i].Height};
        TRegion part(ExtCreateRegion(nullptr, DWORD(data.size()), header));
        Join(into, part.Get());
    }
}

void JoinBorder(TRegion& into, const TSkinFrameBorder& border, Rect area, bool cut) {
    if (area.Empty()) return;
    if (!cut) {
        Join(into, RectangleRegion(area).Get());
        return;
    }
    // The shape of the active state; the states of a border share it.
    JoinOpaqueRuns(into, ComposeElement(border.Picture(), 1, area.Width, area.Height), area);
}
}  // namespace

TRegion SkinnedWindowRegion(const TSkinData& skin, const FrameMetrics& metrics, Size window) {
    WindowRegionPlan plan = PlanWindowRegion(skin, metrics);
    if (plan.WholeWindow) return TRegion();
    FrameParts parts = LayoutFrameParts(window, metrics);
    Rect inside = parts.Client;
    inside.Top = parts.MenuBar.Empty() ? inside.Top : parts.MenuBar.Top;
    inside.Height = parts.Client.Top + parts.Client.Height - inside.Top;
    TRegion region = RectangleRegion(inside);
    JoinBorder(region, skin.Left, parts.Left, plan.CutLeft);
    JoinBorder(region, skin.Right, parts.Right, plan.CutRight);
    JoinBorder(region, skin.Top, parts.Caption, plan.CutTop);
    JoinBorder(region, skin.Bottom, parts.Bottom, plan.CutBottom);
    return region;
}
