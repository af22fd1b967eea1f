#pragma once
#include <string>
#include <vector>

#include "tools/ArtCanvas.h"

struct NamedImage {
    std::string Name;
    PixelBuffer Image;
};

// The look of Quorvik's own skin, one place for every colour it uses.
namespace palette {
inline constexpr Pixel Face = Rgb(226, 228, 232);
inline constexpr Pixel FaceLight = Rgb(244, 245, 247);
inline constexpr Pixel White = Rgb(255, 255, 255);
inline constexpr Pixel Shadow = Rgb(150, 156, 166);
inline constexpr Pixel Line = Rgb(200, 204, 212);
inline constexpr Pixel Outline = Rgb(112, 122, 138);
inline constexpr Pixel Ink = Rgb(28, 34, 44);
inline constexpr Pixel InkDisabled = Rgb(160, 164, 172);
inline constexpr Pixel Accent = Rgb(48, 112, 200);
inline constexpr Pixel AccentLight = Rgb(120, 164, 224);
inline constexpr Pixel HotTop = Rgb(252, 253, 255);
inline constexpr Pixel HotBottom = Rgb(214, 230, 250);
inline constexpr Pixel PressedTop = Rgb(190, 208, 234);
inline constexpr Pixel PressedBottom = Rgb(222, 232, 246);
inline constexpr Pixel CaptionStart = Rgb(28, 72, 140);
inline constexpr Pixel CaptionEnd = Rgb(116, 164, 220);
inline constexpr Pixel InactiveStart = Rgb(128, 134, 146);
inline constexpr Pixel InactiveEnd = Rgb(196, 200, 208);
inline constexpr Pixel FrameActive = Rgb(34, 56, 96);
inline constexpr Pixel FrameInactive = Rgb(118, 124, 134);
inline constexpr Pixel CloseHot = Rgb(206, 62, 52);
inline constexpr Pixel ClosePressed = Rgb(160, 40, 32);
}  // namespace palette

// The states a control surface is drawn in.
enum class Look { Normal, Hot, Pressed, Disabled, Focused };

// A raised, softly rounded control face: push buttons, arrows, thumbs.
void DrawSurface(ArtCanvas& canvas, Rect area, Look look, bool rounded = true);
Pixel GlyphInk(Look look);

// The window parts: borders, caption buttons, MDI buttons, menu bar and menus.
std::vector<NamedImage> DrawWindowImages();
// One image per control element of the description.
std::vector<NamedImage> DrawControlImages();
// Bitmaps the program itself carries: menu glyphs and track bar channels.
std::vector<NamedImage> DrawProgramImages();
