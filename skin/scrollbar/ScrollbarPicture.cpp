#include "skin/scrollbar/ScrollbarPicture.h"

#include <algorithm>

namespace {
bool HasImage(const TSkinElement* element) { return element && !element->Image.Empty(); }
}  // namespace

bool ScrollbarElements::Complete() const { return HasImage(Parts) && HasImage(Shaft) && HasImage(Thumb); }

ScrollbarElements ScrollbarElementsOf(const TSkinData& skin, ScrollbarKind kind) {
    bool horizontal = kind == ScrollbarKind::Horizontal;
    return {skin.Element("Scrollbar"), skin.Element(horizontal ? "HorzScroll" : "VertScroll"),
            skin.Element(horizontal ? "HorzScrollThumb" : "VertScrollThumb"), skin.Colours.ButtonFace};
}

PixelBuffer ComposeScrollbar(const ScrollbarFacts& facts, const ScrollbarLook& look, const ScrollbarElements& elements) {
    PixelBuffer bar(std::max(facts.Width, 0), std::max(facts.Height, 0), PixelFromColor(elements.Face));
    if (!elements.Complete() || bar.Empty()) return bar;
    ScrollbarLayout layout = LayOutScrollbar(facts);
    ElementPicture parts = elements.Parts->Picture();
    DrawElement(bar, layout.Shaft, elements.Shaft->Picture(), ShaftFrame(facts));
    for (ScrollbarPart arrow : {ScrollbarPart::FirstArrow, ScrollbarPart::SecondArrow}) {
        Rect area = arrow == ScrollbarPart::FirstArrow ? layout.FirstArrow : layout.SecondArrow;
        DrawElement(bar, area, parts, ArrowFrame(facts, arrow, look));
    }
    if (layout.Thumb.Empty()) return bar;
    DrawElement(bar, layout.Thumb, elements.Thumb->Picture(), ThumbFrame(look));
    int grip = GripFrame(facts.Kind, look);
    Rect glyph = FrameCell(parts, grip);
    DrawElement(bar, GripArea(layout, facts.Kind, glyph.Width, glyph.Height), parts, grip);
    return bar;
}
