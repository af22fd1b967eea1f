#include "tools/SkinArt.h"

using namespace palette;

namespace {

constexpr int kBorder = 4;
constexpr int kCaption = 26;   // the top border's height, caption included
constexpr int kSideHeight = kCaption + 8 + kBorder;

// The glyphs of the caption buttons and of the system menu.
const GlyphMask kCloseGlyph = {
    "##....##", ".##..##.", "..####..", "...##...", "..####..", ".##..##.", "##....##"};
const GlyphMask kMaximiseGlyph = {
    "#########", "#########", "#.......#", "#.......#", "#.......#", "#.......#", "#########"};
const GlyphMask kRestoreGlyph = {
    "..######", "..######", "..#....#", "######.#", "######.#", "#....###", "#....#..", "######.."};
const GlyphMask kMinimiseGlyph = {"......", "......", "......", "......", "......", "######", "######"};

enum class CaptionGlyph { Close, Maximise, Restore, Minimise };

const GlyphMask& GlyphOf(CaptionGlyph glyph) {
    switch (glyph) {
        case CaptionGlyph::Close: return kCloseGlyph;
        case CaptionGlyph::Maximise: return kMaximiseGlyph;
        case CaptionGlyph::Restore: return kRestoreGlyph;
        case CaptionGlyph::Minimise: break;
    }
    return kMinimiseGlyph;
}

Pixel Outer(int state) { return state == 1 ? FrameActive : FrameInactive; }

// Side borders: outline, highlight (left) or shadow (right), then face;
// the top corners are rounded off with magenta for the window region.
PixelBuffer SideBorder(bool left) {
    ArtCanvas canvas(2 * kBorder, kSideHeight, Face);
    for (int state = 1; state <= 2; ++state) {
        int x0 = (state - 1) * kBorder;
        auto column = [&](int i) { return x0 + (left ? i : kBorder - 1 - i); };
        canvas.Fill({column(0), 0, 1, kSideHeight}, Outer(state));
        canvas.Fill({column(1), 1, 1, kSideHeight - 2}, left ? White : Shadow);
        canvas.Fill({x0, 0, kBorder, 1}, Outer(state));
        canvas.Fill({x0 + (left ? 1 : 0), 1, kBorder - 1, 1}, White);
        if (!left) canvas.Dot(column(1), 1, Shadow);
        canvas.Fill({x0 + (left ? 1 : 0), kSideHeight - 2, kBorder - 1, 1}, Shadow);
        canvas.Fill({x0, kSideHeight - 1, kBorder, 1}, Outer(state));
        canvas.Dot(column(0), 0, kMagenta);
        canvas.Dot(column(1), 0, kMagenta);
        canvas.Dot(column(0), 1, kMagenta);
        canvas.Dot(column(1), 1, Outer(state));
    }
    return canvas.Image();
}

// The caption: border lines, then a gradient bar with a light sheen in
// its upper half; states one above the other.
PixelBuffer TopBorder() {
    constexpr int kWidth = 64;
    ArtCanvas canvas(kWidth, 2 * kCaption, Face);
    for (int state = 1; state <= 2; ++state) {
        int y0 = (state - 1) * kCaption;
        canvas.Fill({0, y0, kWidth, 1}, Outer(state));
        canvas.Fill({0, y0 + 1, kWidth, 1}, White);
        Rect bar{0, y0 + kBorder, kWidth, kCaption - kBorder - 1};
        canvas.HorizontalGradient(bar, state == 1 ? CaptionStart : InactiveStart, state == 1 ? CaptionEnd : InactiveEnd);
        for (int y = 0; y < bar.Height / 2; ++y)
            for (int x = 0; x < kWidth; ++x)
                canvas.Dot(x, bar.Top + y, Mix(canvas.Image().At(x, bar.Top + y), White, 34 - 3 * y));
    }
    return canvas.Image();
}

PixelBuffer BottomBorder() {
    ArtCanvas canvas(32, 2 * kBorder, Face);
    for (int state = 1; state <= 2; ++state) {
        int y0 = (state - 1) * kBorder;
        canvas.Fill({0, y0 + kBorder - 2, 32, 1}, Shadow);
        canvas.Fill({0, y0 + kBorder - 1, 32, 1}, Outer(state));
    }
    return canvas.Image();
}

// Four states side by side: normal, pressed, hot, disabled.
PixelBuffer CaptionButtons(CaptionGlyph glyph, int width, int height) {
    ArtCanvas canvas(4 * width, height);
    const Look looks[] = {Look::Normal, Look::Pressed, Look::Hot, Look::Disabled};
    for (int i = 0; i < 4; ++i) {
        Rect cell{i * width, 0, width, height};
        Pixel ink = GlyphInk(looks[i]);
        if (glyph == CaptionGlyph::Close && (looks[i] == Look::Hot || looks[i] == Look::Pressed)) {
            Pixel fill = looks[i] == Look::Hot ? CloseHot : ClosePressed;
            canvas.VerticalGradient(cell, Mix(fill, White, 40), fill);
            canvas.Frame(cell, Mix(fill, Ink, 90));
            ink = White;
        } else {
            DrawSurface(canvas, cell, looks[i], false);
        }
        Rect inner{cell.Left + (looks[i] == Look::Pressed ? 1 : 0), cell.Top + (looks[i] == Look::Pressed ? 1 : 0),
                   cell.Width, cell.Height};
        canvas.GlyphCentred(GlyphOf(glyph), inner, ink);
    }
    return canvas.Image();
}

// The system-icon button is drawn with the window's icon; its image only
// gives the size.
PixelBuffer SystemIconButton() {
    ArtCanvas canvas(3 * 16, 16);
    for (int i = 0; i < 3; ++i) {
        canvas.Fill({i * 16 + 2, 2, 12, 12}, White);
        canvas.Frame({i * 16 + 2, 2, 12, 12}, Outline);
        canvas.Fill({i * 16 + 3, 3, 10, 3}, Accent);
    }
    return canvas.Image();
}

// Minimise, restore and close of a maximised MDI child, four states each.
PixelBuffer MdiButtons() {
    constexpr int kWidth = 16, kHeight = 14;
    ArtCanvas canvas(12 * kWidth, kHeight);
    const CaptionGlyph glyphs[] = {CaptionGlyph::Minimise, CaptionGlyph::Restore, CaptionGlyph::Close};
    for (int i = 0; i < 3; ++i) canvas.Image().Paste(CaptionButtons(glyphs[i], kWidth, kHeight), 4 * kWidth * i, 0);
    return canvas.Image();
}

PixelBuffer MenuBar() {
    ArtCanvas canvas(16, 40);
    canvas.VerticalGradient({0, 0, 16, 19}, Rgb(248, 249, 251), Face);
    canvas.Fill({0, 19, 16, 1}, Line);
    canvas.VerticalGradient({0, 20, 16, 19}, FaceLight, Face);
    canvas.Fill({0, 39, 16, 1}, Line);
    return canvas.Image();
}

// Menu item states: 1 plain (transparent), 2 the separator in its lower
// half, 3 selected while disabled, 4 selected, 5 selected and pressed.
PixelBuffer MenuItem() {
    constexpr int kWidth = 24, kHeight = 20;
    ArtCanvas canvas(5 * kWidth, kHeight);
    canvas.Fill({kWidth + 2, 13, kWidth - 4, 1}, Line);
    canvas.Fill({kWidth + 2, 14, kWidth - 4, 1}, White);
    struct Selected {
        Pixel Outline, Top, Bottom;
    };
    const Selected selected[] = {{Line, FaceLight, FaceLight},
                                 {AccentLight, Rgb(236, 243, 253), Rgb(212, 228, 249)},
                                 {Accent, PressedTop, PressedBottom}};
    for (int i = 0; i < 3; ++i) {
        Rect cell{(2 + i) * kWidth, 0, kWidth, kHeight};
        canvas.VerticalGradient(cell, selected[i].Top, selected[i].Bottom);
        canvas.RoundedFrame(cell, selected[i].Outline);
    }
    return canvas.Image();
}

// A white popup with a light gutter for the glyphs.
PixelBuffer MenuBackground() {
    ArtCanvas canvas(40, 20, Rgb(252, 252, 253));
    canvas.Fill({1, 1, 25, 18}, Rgb(238, 240, 244));
    canvas.Fill({26, 1, 1, 18}, Line);
    canvas.Frame({0, 0, 40, 20}, Shadow);
    return canvas.Image();
}

}  // namespace

std::vector<NamedImage> DrawWindowImages() {
    return {
        {"frameleft.bmp", SideBorder(true)},
        {"frameright.bmp", SideBorder(false)},
        {"frametop.bmp", TopBorder()},
        {"framebottom.bmp", BottomBorder()},
        {"captionclose.bmp", CaptionButtons(CaptionGlyph::Close, 17, 15)},
        {"captionmax.bmp", CaptionButtons(CaptionGlyph::Maximise, 17, 15)},
        {"captionrestore.bmp", CaptionButtons(CaptionGlyph::Restore, 17, 15)},
        {"captionmin.bmp", CaptionButtons(CaptionGlyph::Minimise, 17, 15)},
        {"captionicon.bmp", SystemIconButton()},
        {"mdibuttons.bmp", MdiButtons()},
        {"menubar.bmp", MenuBar()},
        {"menuitem.bmp", MenuItem()},
        {"menubackground.bmp", MenuBackground()},
    };
}

std::vector<NamedImage> DrawProgramImages() {
    // Menu glyphs on white (the image list's mask colour): restore,
    // maximise, minimise, close.
    ArtCanvas menu(64, 16, White);
    const CaptionGlyph glyphs[] = {CaptionGlyph::Restore, CaptionGlyph::Maximise, CaptionGlyph::Minimise,
                                   CaptionGlyph::Close};
    for (int i = 0; i < 4; ++i) menu.GlyphCentred(GlyphOf(glyphs[i]), {16 * i, 0, 16, 16}, Ink);

    std::vector<NamedImage> images = {{"TARNWYKMENU", menu.Image()}};
    for (const NamedImage& control : DrawControlImages())
        if (control.Name == "track.bmp" || control.Name == "trackvert.bmp")
            images.push_back({control.Name == "track.bmp" ? "TRACK" : "TRACKVERT", control.Image});
    return images;
}
