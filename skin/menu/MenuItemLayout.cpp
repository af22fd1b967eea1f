#include "skin/menu/MenuItemLayout.h"

namespace {

// Extra width beyond the measured text: base, and more without an image list.
struct Widening {
    int Base, WithoutImages;
};

Widening WideningFor(MenuKind kind) {
    switch (kind) {
    case MenuKind::MainMenuSubmenu:
        return {10, 25};
    case MenuKind::NativeMenu:
        return {26, 0};
    default:
        return {12, 23};
    }
}

// Between the glyph square and the caption, and the strip and the caption.
constexpr int kCaptionGap = 3, kStripGap = 4;
constexpr int kGlyphSide = 16;

// The caption's left edge from the item's: past the glyph square, and past
// the strip.
int64_t CaptionStart(int leftWidth, int side, int stripRight) {
    int64_t afterGlyph = int64_t(ClampSize(leftWidth)) + 1 + side + kCaptionGap;
    return std::max(afterGlyph, int64_t(ClampSize(stripRight)) + kStripGap);
}

Rect Mirrored(Rect part, Rect item) {
    int64_t left = int64_t(item.Left) + (RightOf(item) - RightOf(part));
    return {ClampCoordinate(left), part.Top, part.Width, part.Height};
}

}  // namespace

int MenuItemLeftWidth(const TSkinElement* menuItem) {
    if (!menuItem) return 0;
    return std::clamp(menuItem->LeftWidth, 0, FrameCell(menuItem->Picture(), 1).Width);
}

Size MeasureMenuItem(const MenuItemMeasureInput& input, const TSkinElement* menuItem) {
    Widening widening = WideningFor(input.Kind);
    int leftWidth = MenuItemLeftWidth(menuItem);
    int64_t shift = CaptionStart(leftWidth, kGlyphSide, input.StripRight) - CaptionStart(leftWidth, kGlyphSide, 0);
    int64_t width = int64_t(input.Width) + widening.Base + leftWidth + shift;
    if (!input.HasImageList) width += widening.WithoutImages;
    int64_t height = input.Height;
    if (input.Kind == MenuKind::NativeMenu) height = input.Separator ? 8 : height + 4;
    return {ClampSize(width), ClampSize(height)};
}

MenuItemGeometry LayoutMenuItem(Rect item, int leftWidth, int imageListWidth, bool checked, bool rightToLeft,
                                int stripRight) {
    int side = imageListWidth > 0 ? ClampSize(imageListWidth) : kGlyphSide;
    if (checked) side = std::max(side, kGlyphSide);
    int64_t glyphLeft = int64_t(item.Left) + ClampSize(leftWidth) + 1;
    int64_t captionLeft = int64_t(item.Left) + CaptionStart(leftWidth, side, stripRight);
    int64_t right = RightOf(item);

    MenuItemGeometry geometry;
    geometry.Glyph = {ClampCoordinate(glyphLeft), ClampCoordinate(int64_t(item.Top) + 1), side, side};
    geometry.CaptionRect = RectFromEdges(captionLeft, item.Top, right, BottomOf(item));
    geometry.ShortcutRect = RectFromEdges(captionLeft, item.Top, right - 10, BottomOf(item));
    if (rightToLeft) {
        geometry.Glyph = Mirrored(geometry.Glyph, item);
        geometry.CaptionRect = Mirrored(geometry.CaptionRect, item);
        geometry.ShortcutRect = Mirrored(geometry.ShortcutRect, item);
    }
    return geometry;
}
