#include <algorithm>

#include "skin/data/SkinLoading.h"

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
    // A menu item's highlight lies on the menu's background picture.
    if (auto item = skin.Elements.find("MenuItem"); item != skin.Elements.end()) item->second->Trans = true;
    auto header = skin.Elements.find("Headerbar");
    if (header != skin.Elements.end() && header->second->FrameCount < 1) header->second->FrameCount = 5;
    auto pane = skin.Elements.find("Tab.Pane");
    if (pane != skin.Elements.end()) {
        TSkinElement& p = *pane->second;
        for (int* margin : {&p.LeftWidth, &p.TopHeight, &p.RightWidth, &p.BottomHeight})
            *margin = std::min(*margin, 4);
    }
}

// A frame count fits when every state is at least one pixel long; a margin
// fits when it lies inside one state. Without an image nothing is drawn,
// so counts and margins then only have to be positive.
int FitFrames(int frames, int imageLength) {
    return imageLength > 0 ? std::clamp(frames, 1, imageLength) : std::max(frames, 1);
}

int FitMargin(int margin, int cellLength, bool noImage) {
    return noImage ? std::max(margin, 0) : std::clamp(margin, 0, cellLength);
}

void FitToImage(TSkinElement& element) {
    const PixelBuffer& image = element.Image;
    bool stacked = element.States == StateLayout::Stacked;
    element.FrameCount = FitFrames(element.FrameCount, stacked ? image.Height() : image.Width());
    Rect cell = image.Empty() ? Rect{} : FrameCell(element.Picture(), 1);
    element.LeftWidth = FitMargin(element.LeftWidth, cell.Width, image.Empty());
    element.RightWidth = FitMargin(element.RightWidth, cell.Width, image.Empty());
    element.TopHeight = FitMargin(element.TopHeight, cell.Height, image.Empty());
    element.BottomHeight = FitMargin(element.BottomHeight, cell.Height, image.Empty());
}

// A border's fixed ends lie along its length: down the side borders,
// across the top and bottom ones.
void FitToImage(TSkinFrameBorder& border) {
    const PixelBuffer& image = border.Image;
    bool stacked = border.States == StateLayout::Stacked;
    border.FrameCount = FitFrames(border.FrameCount, stacked ? image.Height() : image.Width());
    int length = stacked ? image.Width() : image.Height();
    border.TopHeight = FitMargin(border.TopHeight, length, image.Empty());
    border.BottomHeight = FitMargin(border.BottomHeight, length, image.Empty());
}

// Numbers the description gives are trusted nowhere else: once loaded,
// every count and margin fits its image.
void FitElementsToImages(TSkinData& skin) {
    for (auto& [section, element] : skin.Elements) FitToImage(*element);
    for (TSkinSysButtonElement& button : skin.CaptionButtons) FitToImage(button);
    FitToImage(skin.Buttons);
    FitToImage(skin.Title);
    auto fitOptional = [](const auto& element) {
        if (element) FitToImage(*element);
    };
    fitOptional(skin.Progress);
    fitOptional(skin.MenuBar);
    fitOptional(skin.GroupBox);
    for (const auto* element : {&skin.Tabs, &skin.ComboButton, &skin.UpDownHorz, &skin.UpDownVert}) fitOptional(*element);
    for (TSkinFrameBorder* border : {&skin.Left, &skin.Right, &skin.Top, &skin.Bottom}) FitToImage(*border);
    TSkinButtonElement& buttons = skin.Buttons;
    buttons.CheckFrameCount = FitFrames(buttons.CheckFrameCount, buttons.CheckImage.Width());
    buttons.RadioFrameCount = FitFrames(buttons.RadioFrameCount, buttons.RadioImage.Width());
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
    FitElementsToImages(skin);
    BuildComboImage(skin);
    BuildComboArrow(skin);
    BuildToolbar(skin);
}
