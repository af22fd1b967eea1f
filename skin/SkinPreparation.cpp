#include <algorithm>

#include "skin/SkinLoading.h"

namespace {

// Frame counts the engine relies on, whatever the description says; 0
// keeps the count as read (at least 1).
struct FixedFrames {
    const char* Section;
    int Frames;
};
constexpr FixedFrames kFixedFrames[] = {
    {"Progress.Chunk", 0},     {"GroupBoxEdge", 2},        {"StatusBarEdges", 3},
    {"Tab.Pane", 1},           {"ToolBars", 5},            {"SunkEdge", 4},
    {"ExtraImages", 5},        {"MenuItem", 5},            {"MenuBackground", 1},
    {"Scrollbar", 23},         {"HorzScroll", 4},          {"VertScroll", 4},
    {"HorzScrollThumb", 0},    {"VertScrollThumb", 0},     {"Trackbar.ThumbHorz", 5},
    {"Trackbar.ThumbVert", 5}, {"Trackbar.ThumbLeft", 5},  {"Trackbar.ThumbRight", 5},
    {"Trackbar.ThumbUp", 5},   {"Trackbar.ThumbDown", 5},  {"Track", 0},
    {"TRACKVERT", 0},
};

void FixFrameCounts(TSkinData& skin) {
    for (const FixedFrames& fixed : kFixedFrames) {
        auto found = skin.Elements.find(fixed.Section);
        if (found == skin.Elements.end()) continue;
        TSkinElement& element = *found->second;
        element.FrameCount = fixed.Frames > 0 ? fixed.Frames : std::max(element.FrameCount, 1);
    }
    auto header = skin.Elements.find("Headerbar");
    if (header != skin.Elements.end() && header->second->FrameCount < 1) header->second->FrameCount = 5;
    auto pane = skin.Elements.find("Tab.Pane");
    if (pane != skin.Elements.end()) {
        TSkinElement& p = *pane->second;
        for (int* margin : {&p.LeftWidth, &p.TopHeight, &p.RightWidth, &p.BottomHeight})
            *margin = std::min(*margin, 4);
    }
}

// Where the drop-down button sits in a combo box cell: a square as wide
// as a scroll bar arrow, inside the right edge.
Rect ComboButtonArea(const TSkinData& skin) {
    int width = skin.Host().ScrollArrowWidth();
    return {kComboCellWidth - kComboEdge - width, kComboEdge, width, kComboCellHeight - 2 * kComboEdge};
}

// One picture per state of the sunk edge: the edge, the drop-down button
// with its glyph, and the text area in the window colour.
void BuildComboImage(TSkinData& skin) {
    const TSkinElement* edge = skin.Element("SunkEdge");
    if (!edge || edge->Image.Empty() || !skin.ComboButton || skin.ComboButton->Image.Empty()) return;
    const TSkinElement* glyph = skin.Element("ExtraImages");
    Rect button = ComboButtonArea(skin);
    Pixel window = PixelFromColor(skin.Host().SystemColor(SystemColour::Window));

    int states = edge->FrameCount;
    PixelBuffer strip(kComboCellWidth * states, kComboCellHeight, kMagenta);
    for (int state = 1; state <= states; ++state) {
        PixelBuffer cell(kComboCellWidth, kComboCellHeight, kMagenta);
        DrawElement(cell, {0, 0, kComboCellWidth, kComboCellHeight}, edge->Picture(), state);
        DrawElement(cell, button, skin.ComboButton->Picture(), state);
        if (glyph && !glyph->Image.Empty()) {
            Rect glyphCell = FrameCell(glyph->Picture(), state);
            Rect centred{button.Left + (button.Width - glyphCell.Width) / 2,
                         button.Top + (button.Height - glyphCell.Height) / 2, glyphCell.Width, glyphCell.Height};
            DrawElement(cell, centred, glyph->Picture(), state);
        }
        cell.Fill({kComboEdge, kComboEdge, button.Left - kComboEdge, button.Height}, window);
        strip.Paste(cell, kComboCellWidth * (state - 1), 0);
    }

    skin.Elements["SunkEdge"]->Image = strip;
    TSkinBorderElement& combo = *skin.ComboButton;
    combo.Image = std::move(strip);
    combo.FrameCount = states;
    combo.LeftWidth = combo.TopHeight = combo.BottomHeight = kComboEdge;
    combo.RightWidth = kComboCellWidth - button.Left;
    combo.Style = 2;
}

// The drop-down arrow alone, for controls that draw their own button.
void BuildComboArrow(TSkinData& skin) {
    skin.ComboxArrow.reset();
    if (!skin.ComboButton) return;
    auto arrow = std::make_unique<TSkinElement>();
    arrow->Name = "ComboxArrow";
    if (skin.ComboButton->Style == 2) {
        Rect button = ComboButtonArea(skin);
        int states = skin.ComboButton->FrameCount;
        arrow->Image = PixelBuffer(button.Width * states, button.Height);
        for (int state = 0; state < states; ++state)
            arrow->Image.Paste(skin.ComboButton->Image.Crop({kComboCellWidth * state + button.Left, button.Top,
                                                             button.Width, button.Height}),
                               button.Width * state, 0);
        arrow->FrameCount = states;
    } else {
        // Without a combo picture the button is used as it is, its
        // transparent parts in the button face colour.
        arrow->Image = skin.ComboButtonOriginal;
        Pixel face = PixelFromColor(skin.Colours.ButtonFace);
        for (int y = 0; y < arrow->Image.Height(); ++y)
            std::replace(arrow->Image.Row(y), arrow->Image.Row(y) + arrow->Image.Width(), kMagenta, face);
        arrow->FrameCount = skin.ComboButton->FrameCount;
    }
    if (!arrow->Image.Empty()) skin.ComboxArrow = std::move(arrow);
}

Pixel Blend(Pixel from, Pixel to, int weight) {
    Pixel out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        int a = from >> shift & 0xFF, b = to >> shift & 0xFF;
        out |= Pixel(a + (b - a) * weight / 255) << shift;
    }
    return out;
}

// The frame colour is sampled from the caption's active state; the
// toolbar background runs from a light button face down to it.
void BuildToolbar(TSkinData& skin) {
    Pixel face = PixelFromColor(skin.Colours.ButtonFace);
    Pixel frame = face;
    const PixelBuffer& top = skin.Top.Image;
    int stateHeight = top.Height() / std::max(skin.Top.FrameCount, 1);
    if (!top.Empty() && stateHeight > 0) frame = top.At(top.Width() / 3, stateHeight / 3);
    skin.FrameColour = ColorFromPixel(frame);

    auto toolbar = std::make_unique<TSkinElement>();
    toolbar->Name = "Toolbar";
    constexpr int kWidth = 10, kHeight = 40;
    toolbar->Image = PixelBuffer(kWidth, kHeight);
    Pixel light = Blend(face, 0xFFFFFF, 150);
    for (int y = 0; y < kHeight; ++y) toolbar->Image.Fill({0, y, kWidth, 1}, Blend(light, frame, y * 255 / (kHeight - 1)));
    skin.Toolbar = std::move(toolbar);
}

}  // namespace

void PrepareSkin(TSkinData& skin) {
    if (skin.ComboButton) skin.ComboButtonOriginal = skin.ComboButton->Image;
    FixFrameCounts(skin);
    BuildComboImage(skin);
    BuildComboArrow(skin);
    BuildToolbar(skin);
}
