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
    int64_t width = int64_t(input.Width) + widening.Base + MenuItemLeftWidth(menuItem);
    if (!input.HasImageList) width += widening.WithoutImages;
    int64_t height = input.Height;
    if (input.Kind == MenuKind::NativeMenu) height = input.Separator ? 8 : height + 4;
    return {ClampSize(width), ClampSize(height)};
}

MenuItemGeometry LayoutMenuItem(Rect item, int leftWidth, int imageListWidth, bool checked, bool rightToLeft) {
    int side = imageListWidth > 0 ? ClampSize(imageListWidth) : 16;
    if (checked) side = std::max(side, 16);
    int64_t glyphLeft = int64_t(item.Left) + ClampSize(leftWidth) + 1;
    int64_t captionLeft = glyphLeft + side + 3;
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
