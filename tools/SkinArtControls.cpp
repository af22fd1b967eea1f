#include <cmath>
#include <functional>

#include "tools/SkinArt.h"

using namespace palette;

namespace {

using Inside = std::function<bool(int x, int y)>;

// Fills a shape given by its inside test: a vertical gradient within, and
// an outline where an inside pixel touches the outside.
void DrawShape(ArtCanvas& canvas, Rect area, const Inside& inside, Pixel top, Pixel bottom, Pixel outline) {
    for (int y = 0; y < area.Height; ++y) {
        for (int x = 0; x < area.Width; ++x) {
            if (!inside(x, y)) continue;
            bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            canvas.Dot(area.Left + x, area.Top + y, edge ? outline : Mix(top, bottom, y * 255 / std::max(area.Height - 1, 1)));
        }
    }
}

Inside Circle(int size) {
    double centre = (size - 1) / 2.0, radius = size / 2.0;
    return [=](int x, int y) { return std::hypot(x - centre, y - centre) < radius - 0.1; };
}

Inside Box(int width, int height) {
    return [=](int x, int y) { return x >= 0 && y >= 0 && x < width && y < height; };
}

// A track bar thumb: a box with a point on one side.
enum class Point { None, Left, Right, Up, Down };
Inside Thumb(int width, int height, Point point) {
    return [=](int x, int y) {
        if (x < 0 || y < 0 || x >= width || y >= height) return false;
        int tip = 5;
        switch (point) {
            case Point::Down: return y < height - tip || std::abs(2 * x - (width - 1)) <= 2 * (height - 1 - y);
            case Point::Up: return y >= tip || std::abs(2 * x - (width - 1)) <= 2 * y;
            case Point::Right: return x < width - tip || std::abs(2 * y - (height - 1)) <= 2 * (width - 1 - x);
            case Point::Left: return x >= tip || std::abs(2 * y - (height - 1)) <= 2 * x;
            case Point::None: break;
        }
        return true;
    };
}

struct Colours {
    Pixel Top, Bottom, Outline;
};
Colours SurfaceColours(Look look) {
    switch (look) {
        case Look::Hot: return {HotTop, HotBottom, AccentLight};
        case Look::Pressed: return {PressedTop, PressedBottom, Accent};
        case Look::Disabled: return {FaceLight, FaceLight, Rgb(190, 194, 202)};
        case Look::Focused:
        case Look::Normal: break;
    }
    return {White, Rgb(222, 225, 231), Outline};
}

// Frames in the order of the engine's five-state elements.
constexpr Look kFiveStates[] = {Look::Normal, Look::Pressed, Look::Disabled, Look::Hot, Look::Focused};

PixelBuffer PushButton() {
    ArtCanvas canvas(5 * 22, 22);
    for (int i = 0; i < 5; ++i) DrawSurface(canvas, {22 * i, 0, 22, 22}, kFiveStates[i]);
    return canvas.Image();
}

const GlyphMask kCheckMark = {
    "......#", ".....##", "#...##.", "##.##..", ".###...", "..#...."};

// Twelve frames: unchecked, checked and mixed, each normal, hot, pressed
// and disabled.
PixelBuffer ToggleBox(bool radio) {
    constexpr int kSize = 13;
    ArtCanvas canvas(12 * kSize, kSize);
    const Look looks[] = {Look::Normal, Look::Hot, Look::Pressed, Look::Disabled};
    for (int mark = 0; mark < 3; ++mark) {
        for (int i = 0; i < 4; ++i) {
            Rect cell{(4 * mark + i) * kSize, 0, kSize, kSize};
            Colours c = SurfaceColours(looks[i]);
            Pixel top = looks[i] == Look::Normal ? Rgb(236, 238, 242) : c.Bottom, bottom = White;
            DrawShape(canvas, cell, radio ? Circle(kSize) : Box(kSize, kSize), top, bottom, c.Outline);
            Pixel ink = looks[i] == Look::Disabled ? InkDisabled : Rgb(24, 70, 150);
            if (mark == 1 && radio) DrawShape(canvas, {cell.Left + 4, 4, 5, 5}, Circle(5), Mix(ink, White, 90), ink, ink);
            if (mark == 1 && !radio) canvas.GlyphCentred(kCheckMark, cell, ink);
            if (mark == 2) canvas.Fill({cell.Left + 4, 4, 5, 5}, Mix(ink, White, 60));
        }
    }
    return canvas.Image();
}

// Horizontal and vertical trough.
PixelBuffer ProgressTrough() {
    ArtCanvas canvas(2 * 20, 16);
    for (int i = 0; i < 2; ++i) {
        Rect cell{20 * i, 0, 20, 16};
        if (i == 0) canvas.VerticalGradient(cell, Rgb(226, 229, 234), FaceLight);
        else canvas.HorizontalGradient(cell, Rgb(226, 229, 234), FaceLight);
        canvas.RoundedFrame(cell, Shadow);
    }
    return canvas.Image();
}

PixelBuffer ProgressChunk() {
    ArtCanvas canvas(10, 14);
    canvas.VerticalGradient({0, 0, 8, 14}, Rgb(120, 184, 246), Rgb(30, 96, 190));
    canvas.Fill({0, 0, 8, 1}, Rgb(170, 210, 250));
    return canvas.Image();
}

PixelBuffer GroupBoxEdge() {
    ArtCanvas canvas(2 * 16, 16);
    for (int i = 0; i < 2; ++i) {
        Pixel line = i == 0 ? Rgb(172, 178, 190) : Line;
        canvas.RoundedFrame({16 * i + 1, 1, 15, 15}, White);
        canvas.RoundedFrame({16 * i, 0, 15, 15}, line);
    }
    return canvas.Image();
}

PixelBuffer GroupBoxLabel() {
    ArtCanvas canvas(16, 16, Face);
    canvas.CutCorners({0, 0, 16, 16});
    return canvas.Image();
}

// Tabs: normal, selected, disabled, hot, selected with focus.
PixelBuffer Tabs() {
    constexpr int kWidth = 24, kHeight = 22;
    ArtCanvas canvas(5 * kWidth, kHeight);
    for (int i = 0; i < 5; ++i) {
        Rect cell{kWidth * i, 0, kWidth, kHeight};
        bool selected = i == 1 || i == 4;
        Pixel top = selected ? White : i == 3 ? HotTop : Rgb(240, 242, 245);
        Pixel bottom = selected ? Face : i == 3 ? HotBottom : Rgb(218, 222, 228);
        if (i == 2) top = bottom = FaceLight;
        canvas.VerticalGradient({cell.Left, 1, kWidth, kHeight - 1}, top, bottom);
        canvas.RoundedFrame({cell.Left, 0, kWidth, kHeight + 2}, i == 2 ? Line : Shadow);
        if (selected || i == 3) canvas.Fill({cell.Left + 1, 0, kWidth - 2, 2}, i == 3 ? AccentLight : Accent);
        if (i == 4) canvas.Frame({cell.Left + 3, 4, kWidth - 6, kHeight - 7}, AccentLight);
        canvas.CutCorners({cell.Left, 0, kWidth, kHeight + 2});
    }
    return canvas.Image();
}

PixelBuffer Pane(Pixel fill) {
    ArtCanvas canvas(16, 16, fill);
    canvas.Frame({0, 0, 16, 16}, Shadow);
    canvas.Fill({1, 1, 14, 1}, White);
    canvas.Fill({1, 1, 1, 14}, White);
    return canvas.Image();
}

// Bar background, sunken panel, size grip.
PixelBuffer StatusBar() {
    constexpr int kWidth = 16, kHeight = 22;
    ArtCanvas canvas(3 * kWidth, kHeight);
    canvas.VerticalGradient({0, 0, kWidth, kHeight}, FaceLight, Face);
    canvas.Fill({0, 0, kWidth, 1}, Line);
    canvas.Bevel({kWidth, 2, kWidth, kHeight - 3}, Line, White);
    for (int d = 0; d < 3; ++d)
        for (int k = 0; k <= d; ++k) {
            int x = 2 * kWidth + kWidth - 4 - 4 * (d - k), y = kHeight - 4 - 4 * k;
            canvas.Fill({x, y, 2, 2}, Shadow);
            canvas.Dot(x, y, White);
        }
    return canvas.Image();
}

// Tool buttons: flat until pointed at.
PixelBuffer ToolButtons() {
    constexpr int kSize = 22;
    ArtCanvas canvas(5 * kSize, kSize);
    for (int i : {1, 3, 4}) {
        Rect cell{kSize * i, 0, kSize, kSize};
        Look look = i == 1 ? Look::Pressed : i == 3 ? Look::Hot : Look::Normal;
        Colours c = SurfaceColours(look);
        canvas.VerticalGradient(cell, c.Top, i == 4 ? PressedBottom : c.Bottom);
        canvas.RoundedFrame(cell, c.Outline);
    }
    return canvas.Image();
}

// Edit and combo box border: normal, hot, pressed (focused), disabled.
PixelBuffer SunkEdge() {
    ArtCanvas canvas(4 * 12, 12, White);
    const Pixel outlines[] = {Rgb(150, 160, 176), AccentLight, Accent, Rgb(196, 200, 206)};
    for (int i = 0; i < 4; ++i) {
        if (i == 3) canvas.Fill({12 * i, 0, 12, 12}, FaceLight);
        canvas.Frame({12 * i, 0, 12, 12}, outlines[i]);
    }
    return canvas.Image();
}

// Combo box button: normal, hot, pressed, disabled.
PixelBuffer ComboButton() {
    constexpr int kSize = 17;
    ArtCanvas canvas(4 * kSize, kSize);
    const Look looks[] = {Look::Normal, Look::Hot, Look::Pressed, Look::Disabled};
    for (int i = 0; i < 4; ++i) DrawSurface(canvas, {kSize * i, 0, kSize, kSize}, looks[i], false);
    return canvas.Image();
}

const GlyphMask kDownArrow = {"#######", ".#####.", "..###..", "...#..."};
const GlyphMask kUpArrow = {"...#...", "..###..", ".#####.", "#######"};
const GlyphMask kLeftArrow = {"...#", "..##", ".###", "####", ".###", "..##", "...#"};
const GlyphMask kRightArrow = {"#...", "##..", "###.", "####", "###.", "##..", "#..."};

// The drop-down glyph for the combo button: normal, hot, pressed, disabled, focused.
PixelBuffer ComboGlyph() {
    ArtCanvas canvas(5 * 9, 9);
    const Look looks[] = {Look::Normal, Look::Hot, Look::Pressed, Look::Disabled, Look::Focused};
    for (int i = 0; i < 5; ++i) canvas.GlyphCentred(kDownArrow, {9 * i, 0, 9, 9}, GlyphInk(looks[i]));
    return canvas.Image();
}

// Header sections: normal, pressed, disabled, hot, sorted.
PixelBuffer Header() {
    constexpr int kWidth = 24, kHeight = 20;
    ArtCanvas canvas(5 * kWidth, kHeight);
    for (int i = 0; i < 5; ++i) {
        Rect cell{kWidth * i, 0, kWidth, kHeight};
        Look look = kFiveStates[i];
        Colours c = SurfaceColours(look == Look::Focused ? Look::Normal : look);
        canvas.VerticalGradient(cell, c.Top, look == Look::Pressed ? FaceLight : c.Bottom);
        canvas.Fill({cell.Left, kHeight - 1, kWidth, 1}, look == Look::Hot || look == Look::Focused ? Accent : Shadow);
        canvas.Fill({cell.Left + kWidth - 2, 3, 1, kHeight - 6}, Line);
        canvas.Fill({cell.Left + kWidth - 1, 3, 1, kHeight - 6}, White);
    }
    return canvas.Image();
}

// Scroll bar parts in 23 square cells: four arrows in four states
// (normal, pressed, disabled, hot), the thumb grips in three (normal,
// pressed, hot) for each direction, and the size grip.
PixelBuffer ScrollParts() {
    constexpr int kSize = 17;
    ArtCanvas canvas(23 * kSize, kSize);
    const GlyphMask* arrows[] = {&kLeftArrow, &kRightArrow, &kUpArrow, &kDownArrow};
    const Look looks[] = {Look::Normal, Look::Pressed, Look::Disabled, Look::Hot};
    for (int a = 0; a < 4; ++a) {
        for (int i = 0; i < 4; ++i) {
            Rect cell{kSize * (4 * a + i), 0, kSize, kSize};
            DrawSurface(canvas, cell, looks[i]);
            int shift = looks[i] == Look::Pressed ? 1 : 0;
            canvas.GlyphCentred(*arrows[a], {cell.Left + shift, shift, kSize, kSize}, GlyphInk(looks[i]));
        }
    }
    const Pixel grips[] = {Shadow, Accent, AccentLight};
    for (int i = 0; i < 3; ++i) {
        canvas.GlyphCentred({"#.#.#", "#.#.#", "#.#.#", "#.#.#", "#.#.#", "#.#.#"}, {kSize * (16 + i), 0, kSize, kSize}, grips[i]);
        canvas.GlyphCentred({"######", "......", "######", "......", "######"}, {kSize * (19 + i), 0, kSize, kSize}, grips[i]);
    }
    canvas.Fill({kSize * 22, 0, kSize, kSize}, Face);
    for (int k = 0; k < 4; ++k) canvas.Fill({kSize * 22 + 4 + 3 * k, kSize - 4 - 3 * k, 9 - 3 * k + 3, 2}, k % 2 ? White : Shadow);
    return canvas.Image();
}

// Shafts: normal, pressed, disabled, hot.
PixelBuffer Shaft(bool vertical) {
    constexpr int kSize = 17;
    ArtCanvas canvas(4 * kSize, kSize);
    const Pixel tones[] = {Rgb(236, 238, 242), Rgb(214, 224, 240), FaceLight, Rgb(230, 236, 246)};
    for (int i = 0; i < 4; ++i) {
        Rect cell{kSize * i, 0, kSize, kSize};
        if (vertical) canvas.HorizontalGradient(cell, Mix(tones[i], Shadow, 40), tones[i]);
        else canvas.VerticalGradient(cell, Mix(tones[i], Shadow, 40), tones[i]);
    }
    return canvas.Image();
}

// Thumbs: normal, pressed, hot.
PixelBuffer ScrollThumb() {
    constexpr int kSize = 17;
    ArtCanvas canvas(3 * kSize, kSize);
    const Look looks[] = {Look::Normal, Look::Pressed, Look::Hot};
    for (int i = 0; i < 3; ++i) DrawSurface(canvas, {kSize * i + 1, 1, kSize - 2, kSize - 2}, looks[i]);
    return canvas.Image();
}

PixelBuffer TrackThumb(int width, int height, Point point) {
    ArtCanvas canvas(5 * width, height);
    for (int i = 0; i < 5; ++i) {
        Colours c = SurfaceColours(kFiveStates[i] == Look::Focused ? Look::Hot : kFiveStates[i]);
        DrawShape(canvas, {width * i, 0, width, height}, Thumb(width, height, point), c.Top, c.Bottom, c.Outline);
    }
    return canvas.Image();
}

// The channel keeps a middle between its 3-pixel ends, as the program's
// own copies are drawn with margins of 3.
PixelBuffer TrackChannel(bool vertical) {
    int width = vertical ? 8 : 20, height = vertical ? 20 : 8;
    ArtCanvas canvas(width, height, Rgb(214, 218, 224));
    canvas.Bevel({0, 0, width, height}, Shadow, White);
    return canvas.Image();
}

// Up-down buttons: the first button in four states (normal, pressed, hot,
// disabled), then the second; the glyphs in the same eight cells.
PixelBuffer UpDownButtons(int width, int height) {
    ArtCanvas canvas(8 * width, height);
    const Look looks[] = {Look::Normal, Look::Pressed, Look::Hot, Look::Disabled};
    for (int i = 0; i < 8; ++i) DrawSurface(canvas, {width * i, 0, width, height}, looks[i % 4], false);
    return canvas.Image();
}

PixelBuffer UpDownGlyphs(int width, int height, bool vertical) {
    ArtCanvas canvas(8 * width, height);
    const Look looks[] = {Look::Normal, Look::Pressed, Look::Hot, Look::Disabled};
    for (int i = 0; i < 8; ++i) {
        const auto& glyph = vertical ? (i < 4 ? kUpArrow : kDownArrow) : (i < 4 ? kLeftArrow : kRightArrow);
        canvas.GlyphCentred(glyph, {width * i, 0, width, height}, GlyphInk(looks[i % 4]));
    }
    return canvas.Image();
}

}  // namespace

std::vector<NamedImage> DrawControlImages() {
    return {
        {"button.bmp", PushButton()},
        {"checkbox.bmp", ToggleBox(false)},
        {"radio.bmp", ToggleBox(true)},
        {"progress.bmp", ProgressTrough()},
        {"progresschunk.bmp", ProgressChunk()},
        {"groupboxedge.bmp", GroupBoxEdge()},
        {"groupboxlabel.bmp", GroupBoxLabel()},
        {"tabs.bmp", Tabs()},
        {"tabborder.bmp", Pane(kMagenta)},
        {"tabpane.bmp", Pane(Face)},
        {"statusbar.bmp", StatusBar()},
        {"toolbutton.bmp", ToolButtons()},
        {"sunkedge.bmp", SunkEdge()},
        {"combobutton.bmp", ComboButton()},
        {"comboglyph.bmp", ComboGlyph()},
        {"header.bmp", Header()},
        {"scrollparts.bmp", ScrollParts()},
        {"horzshaft.bmp", Shaft(false)},
        {"vertshaft.bmp", Shaft(true)},
        {"scrollthumb.bmp", ScrollThumb()},
        {"trackthumbhorz.bmp", TrackThumb(11, 20, Point::None)},
        {"trackthumbvert.bmp", TrackThumb(20, 11, Point::None)},
        {"trackthumbleft.bmp", TrackThumb(18, 11, Point::Left)},
        {"trackthumbright.bmp", TrackThumb(18, 11, Point::Right)},
        {"trackthumbup.bmp", TrackThumb(11, 18, Point::Up)},
        {"trackthumbdown.bmp", TrackThumb(11, 18, Point::Down)},
        {"updownhorz.bmp", UpDownButtons(11, 16)},
        {"updownhorzglyph.bmp", UpDownGlyphs(11, 16, false)},
        {"updownvert.bmp", UpDownButtons(16, 11)},
        {"updownvertglyph.bmp", UpDownGlyphs(16, 11, true)},
        {"track.bmp", TrackChannel(false)},
        {"trackvert.bmp", TrackChannel(true)},
    };
}
