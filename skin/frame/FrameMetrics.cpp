#include "skin/frame/FrameMetrics.h"

namespace {

Rect OneState(const TSkinFrameBorder& border) { return FrameCell(border.Picture(), 1); }

}  // namespace

FrameMetrics ComputeFrameMetrics(const TSkinData& skin, BorderKind border, int menuBarHeight) {
    if (border == BorderKind::NoCaption) return {};
    FrameMetrics metrics;
    metrics.Left = OneState(skin.Left).Width;
    metrics.Right = OneState(skin.Right).Width;
    metrics.Caption = OneState(skin.Top).Height;
    metrics.Bottom = OneState(skin.Bottom).Height;
    metrics.MenuBar = ClampSize(menuBarHeight);
    return metrics;
}

FrameParts LayoutFrameParts(Size window, const FrameMetrics& m) {
    int64_t width = std::max(window.Width, 0), height = std::max(window.Height, 0);
    // Every part is clipped to the window.
    auto part = [&](int64_t left, int64_t top, int64_t right, int64_t bottom) {
        return RectFromEdges(std::clamp<int64_t>(left, 0, width), std::clamp<int64_t>(top, 0, height),
                             std::clamp<int64_t>(right, 0, width), std::clamp<int64_t>(bottom, 0, height));
    };
    int64_t innerRight = width - m.Right, menuTop = m.Caption, menuBottom = menuTop + m.MenuBar;
    int64_t bottomTop = std::max(height - m.Bottom, menuBottom);
    FrameParts parts;
    parts.Left = part(0, 0, m.Left, height);
    parts.Right = part(innerRight, 0, width, height);
    parts.Caption = part(m.Left, 0, innerRight, menuTop);
    parts.MenuBar = part(m.Left, menuTop, innerRight, menuBottom);
    parts.Bottom = part(m.Left, bottomTop, innerRight, height);
    parts.Client = part(m.Left, menuBottom, innerRight, bottomTop);
    return parts;
}

int BorderState(bool active, int frameCount) { return active || frameCount <= 1 ? 1 : 2; }

Rect SkinnedClientRect(Rect window, const FrameMetrics& m) {
    int64_t left = int64_t(window.Left) + m.Left;
    int64_t top = int64_t(window.Top) + m.Caption + m.MenuBar;
    return RectFromEdges(left, top, std::max(RightOf(window) - m.Right, left),
                         std::max(BottomOf(window) - m.Bottom, top));
}

int SkinnedHitTest(int nativeAnswer, Point clientPoint, const FrameMetrics& m) {
    if (nativeAnswer != HitTest::Nowhere && nativeAnswer != HitTest::Caption) return nativeAnswer;
    int64_t y = int64_t(clientPoint.Y) + m.Caption + m.MenuBar;
    if (m.MenuBar > 0 && y >= m.Caption && y < int64_t(m.Caption) + m.MenuBar) return HitTest::Menu;
    if (y > 3) return HitTest::Caption;
    return nativeAnswer;
}

Size SkinnedWindowSize(Size client, const FrameMetrics& m) {
    return {ClampSize(int64_t(client.Width) + m.Left + m.Right),
            ClampSize(int64_t(client.Height) + m.Caption + m.MenuBar + m.Bottom)};
}

DialogWidening WidenDialogForCaption(int windowWidth, int captionTextWidth, const TSkinTitleElement& title,
                                     int maxWidth) {
    int64_t needed = int64_t(captionTextWidth) + title.TextShift + title.TextRightClip;
    int64_t width = std::min<int64_t>(needed, maxWidth);
    if (width <= windowWidth) return {ClampSize(windowWidth), 0};
    return {ClampSize(width), ClampSize((width - windowWidth) / 2)};
}
