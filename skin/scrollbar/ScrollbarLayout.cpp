#include "skin/scrollbar/ScrollbarLayout.h"

#include <algorithm>

namespace {
bool Horizontal(ScrollbarKind kind) { return kind == ScrollbarKind::Horizontal; }

bool Inside(Rect area, int x, int y) {
    return !area.Empty() && x >= area.Left && y >= area.Top && x - area.Left < area.Width && y - area.Top < area.Height;
}

// A stretch [start, start + length) along the bar as a rectangle of it.
Rect Along(const ScrollbarFacts& facts, int start, int length) {
    if (Horizontal(facts.Kind)) return {start, 0, length, facts.Height};
    return {0, start, facts.Width, length};
}

// The base frame of an arrow in the "Scrollbar" image; the next three are
// pressed, disabled and hot.
int ArrowBase(ScrollbarKind kind, ScrollbarPart arrow) {
    bool second = arrow == ScrollbarPart::SecondArrow;
    if (Horizontal(kind)) return second ? 5 : 1;
    return second ? 13 : 9;
}

// Hot, and pressed while hot, as a part shows it: 0 normal, 1 pressed, 2 hot.
int PartState(const ScrollbarLook& look, ScrollbarPart part) {
    if (look.Hot != part || part == ScrollbarPart::None) return 0;
    return look.Pressed ? 1 : 2;
}
}  // namespace

ScrollbarLayout LayOutScrollbar(const ScrollbarFacts& facts) {
    int width = std::max(facts.Width, 0), height = std::max(facts.Height, 0);
    int length = Horizontal(facts.Kind) ? width : height;
    int thickness = Horizontal(facts.Kind) ? height : width;
    int arrow = std::min(thickness, length / 2);
    ScrollbarFacts bar = facts;
    bar.Width = width;
    bar.Height = height;

    ScrollbarLayout layout;
    layout.FirstArrow = Along(bar, 0, arrow);
    layout.SecondArrow = Along(bar, length - arrow, arrow);
    layout.Shaft = Along(bar, arrow, length - 2 * arrow);
    int thumbStart = std::clamp(facts.ThumbStart, arrow, length - arrow);
    int thumbEnd = std::clamp(facts.ThumbEnd, arrow, length - arrow);
    if (facts.Enabled && thumbEnd > thumbStart) layout.Thumb = Along(bar, thumbStart, thumbEnd - thumbStart);
    return layout;
}

ScrollbarPart ScrollbarPartAt(const ScrollbarLayout& layout, int x, int y) {
    if (Inside(layout.FirstArrow, x, y)) return ScrollbarPart::FirstArrow;
    if (Inside(layout.SecondArrow, x, y)) return ScrollbarPart::SecondArrow;
    if (Inside(layout.Thumb, x, y)) return ScrollbarPart::Thumb;
    return ScrollbarPart::None;
}

int ArrowFrame(const ScrollbarFacts& facts, ScrollbarPart arrow, const ScrollbarLook& look) {
    int base = ArrowBase(facts.Kind, arrow);
    bool enabled = facts.Enabled && (arrow == ScrollbarPart::SecondArrow ? facts.SecondArrowEnabled
                                                                        : facts.FirstArrowEnabled);
    if (!enabled) return base + 2;
    const int offsets[] = {0, 1, 3};
    return base + offsets[PartState(look, arrow)];
}

int ShaftFrame(const ScrollbarFacts& facts) { return facts.Enabled ? 1 : 3; }

int ThumbFrame(const ScrollbarLook& look) {
    const int frames[] = {1, 2, 3};
    return frames[PartState(look, ScrollbarPart::Thumb)];
}

int GripFrame(ScrollbarKind kind, const ScrollbarLook& look) {
    return (Horizontal(kind) ? 17 : 20) + PartState(look, ScrollbarPart::Thumb);
}

Rect GripArea(const ScrollbarLayout& layout, ScrollbarKind kind, int glyphWidth, int glyphHeight) {
    const Rect& thumb = layout.Thumb;
    int thumbLength = Horizontal(kind) ? thumb.Width : thumb.Height;
    int glyphLength = Horizontal(kind) ? glyphWidth : glyphHeight;
    if (thumb.Empty() || glyphWidth <= 0 || glyphHeight <= 0 || thumbLength <= glyphLength + 2) return {};
    return {thumb.Left + (thumb.Width - glyphWidth) / 2, thumb.Top + (thumb.Height - glyphHeight) / 2, glyphWidth,
            glyphHeight};
}
