#include "tools/SkinArt.h"

using namespace palette;

Pixel GlyphInk(Look look) { return look == Look::Disabled ? InkDisabled : Ink; }

void DrawSurface(ArtCanvas& canvas, Rect area, Look look, bool rounded) {
    Pixel top = White, bottom = Rgb(222, 225, 231), outline = Outline;
    switch (look) {
        case Look::Hot: top = HotTop, bottom = HotBottom, outline = AccentLight; break;
        case Look::Pressed: top = PressedTop, bottom = PressedBottom, outline = Accent; break;
        case Look::Disabled: top = bottom = FaceLight, outline = Rgb(190, 194, 202); break;
        case Look::Normal:
        case Look::Focused: break;
    }
    canvas.VerticalGradient(area, top, bottom);
    if (look == Look::Focused) canvas.Frame({area.Left + 1, area.Top + 1, area.Width - 2, area.Height - 2}, AccentLight);
    if (rounded)
        canvas.RoundedFrame(area, outline);
    else
        canvas.Frame(area, outline);
}
