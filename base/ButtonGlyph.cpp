#include "base/ButtonGlyph.h"

#include <algorithm>

namespace {
bool IsEmpty(TExtent extent) { return extent.Width <= 0 || extent.Height <= 0; }

// Margin and spacing along the layout's direction, where the face has
// `room` pixels and glyph and caption take `glyph` and `caption`.
struct AxisGaps {
    int Margin;
    int Spacing;
};

AxisGaps GapsAlong(int room, int glyph, int caption, int margin, int spacing) {
    if (glyph == 0 || caption == 0) spacing = 0;
    if (margin < 0 && spacing < 0) {
        int even = (room - glyph - caption) / 3;
        margin = spacing = even;
    } else if (margin < 0) {
        margin = (room - glyph - spacing - caption) / 2;
    } else if (spacing < 0) {
        spacing = (room - margin - glyph - caption) / 2;
    }
    return {std::max(margin, 0), std::max(spacing, 0)};
}
}  // namespace

int ClampNumGlyphs(int numGlyphs) { return std::clamp(numGlyphs, 1, 4); }

TGlyphCell GlyphCellFor(TButtonState state, int numGlyphs) {
    int cells = ClampNumGlyphs(numGlyphs);
    if (state == TButtonState::Exclusive && cells < 4) state = TButtonState::Down;
    if (state == TButtonState::Down && cells < 3) state = TButtonState::Up;
    if (state == TButtonState::Disabled && cells < 2) return {0, true};
    return {int(state), false};
}

TGlyphPlacement PlaceGlyphAndCaption(TExtent face, TExtent glyph, TExtent caption, const TGlyphLayout& layout) {
    if (IsEmpty(glyph)) glyph = {};
    if (IsEmpty(caption)) caption = {};
    bool across = layout.Layout == TButtonLayout::GlyphLeft || layout.Layout == TButtonLayout::GlyphRight;
    int room = across ? face.Width : face.Height;
    int glyphLength = across ? glyph.Width : glyph.Height;
    int captionLength = across ? caption.Width : caption.Height;
    AxisGaps gaps = GapsAlong(room, glyphLength, captionLength, layout.Margin, layout.Spacing);

    int glyphAt, captionAt;
    if (layout.Layout == TButtonLayout::GlyphLeft || layout.Layout == TButtonLayout::GlyphTop) {
        glyphAt = gaps.Margin;
        captionAt = glyphAt + glyphLength + gaps.Spacing;
    } else {
        glyphAt = room - gaps.Margin - glyphLength;
        captionAt = glyphAt - gaps.Spacing - captionLength;
    }
    if (across)
        return {{glyphAt, (face.Height - glyph.Height) / 2}, {captionAt, (face.Height - caption.Height) / 2}};
    return {{(face.Width - glyph.Width) / 2, glyphAt}, {(face.Width - caption.Width) / 2, captionAt}};
}
