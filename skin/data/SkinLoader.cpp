#include <algorithm>
#include <map>

#include "base/GbkText.h"
#include "skin/data/SkinLoading.h"
#include "skin/data/TextCase.h"
#include "skin/stream/BitmapReader.h"

namespace {

constexpr TColor kWhite = 0xFFFFFF;

class SkinLoader {
public:
    SkinLoader(TSkinData& skin, const TSkinReader& archive, const TSkinIni& ini)
        : FSkin(skin), FArchive(archive), FIni(ini) {}

    void Run() {
        FSkin.SkinName = FIni.ReadString("TitlebarSkin", "SkinName", "");
        ReadBorders();
        ReadColours();
        ReadCaptionButtons();
        AppendMdiButtons();
        ReadPushButtons();
        ReadTitle();
        ReadProgress();
        ReadGeneric("Progress.Chunk");
        ReadMenuBar();
        ReadGeneric("GroupBoxEdge");
        ReadGroupBox();
        FSkin.Tabs = ReadWithSecondImage("Tabs", "Border", 5);
        for (const char* section : {"StatusBarEdges", "Tab.Pane", "ToolBars"}) ReadGeneric(section);
        FSkin.ComboButton = ReadWithSecondImage("ComboButton", nullptr, 4);
        for (const char* section : {"SunkEdge", "ExtraImages", "Headerbar", "MenuItem", "MenuBackground",
                                    "Scrollbar", "HorzScroll", "VertScroll"})
            ReadGeneric(section);
        ReadScrollThumb("HorzScrollThumb");
        ReadScrollThumb("VertScrollThumb");
        for (const char* section : {"Trackbar.ThumbHorz", "Trackbar.ThumbVert", "Trackbar.ThumbLeft",
                                    "Trackbar.ThumbRight", "Trackbar.ThumbUp", "Trackbar.ThumbDown"})
            ReadGeneric(section);
        FSkin.UpDownHorz = ReadWithSecondImage("UpDown.Horz", "GlyphImage", 8);
        FSkin.UpDownVert = ReadWithSecondImage("UpDown.Vert", "GlyphImage", 8);
        ReadTrack("Track");
        ReadTrack("TRACKVERT");
    }

private:
    TColor System(SystemColour which) const { return FSkin.Host().SystemColor(which); }
    int Integer(const std::string& section, const std::string& key, int value) const {
        return FIni.ReadInteger(section, key, value);
    }
    bool HasValue(const char* section, const char* key) const {
        return !FIni.ReadString(section, key, "").empty();
    }

    // The image a key names: only its file name counts, which must end in
    // ".bmp" exactly; a missing or unreadable entry gives no image. Each
    // entry is decoded once however many keys name it, and the pixels a
    // load holds, decoded and handed out, stay within kMaxSkinPixels.
    PixelBuffer Image(const std::string& section, const std::string& key) {
        std::string value = FIni.ReadString(section, key, "");
        std::string_view fileName = GbkFileName(value);
        if (!fileName.ends_with(".bmp")) return {};
        const TSkinReader::Entry* entry = FArchive.Find(LowerCaseGbk(fileName));
        if (!entry) return {};
        const PixelBuffer& image = Decoded(*entry);
        return Spend(image) ? image : PixelBuffer();
    }

    const PixelBuffer& Decoded(const TSkinReader::Entry& entry) {
        auto [found, added] = FDecoded.try_emplace(&entry);
        if (added) {
            try {
                PixelBuffer image = ReadBitmapFile(FArchive.Data(entry));
                if (Spend(image)) found->second = std::move(image);
            } catch (const Exception&) {
            }
        }
        return found->second;
    }

    bool Spend(const PixelBuffer& image) {
        int64_t pixels = int64_t(image.Width()) * image.Height();
        if (pixels > kMaxSkinPixels - FPixelsHeld) return false;
        FPixelsHeld += pixels;
        return true;
    }

    void ReadBorders() {
        const char* names[] = {"Left", "Right", "Top", "Bottom"};
        TSkinFrameBorder* borders[] = {&FSkin.Left, &FSkin.Right, &FSkin.Top, &FSkin.Bottom};
        for (int i = 0; i < 4; ++i) {
            std::string name = names[i];
            TSkinFrameBorder& border = *borders[i];
            border = TSkinFrameBorder();
            border.Image = Image("Personality", name);
            border.TopHeight = Integer("Personality", name + "TopHeight", 0);
            border.BottomHeight = Integer("Personality", name + "BotHeight", 0);
            border.FrameCount = std::max(Integer("Personality", name + "Frame", 1), 1);
            border.Stretch = std::clamp(Integer("Personality", name + "Stretch", 1), 0, 1);
            border.Trans = Integer("Personality", name + "Trans", 1) != 0;
            border.States = i >= 2 ? StateLayout::Stacked : StateLayout::SideBySide;
        }
    }

    void ReadColours() {
        TSkinColours& c = FSkin.Colours;
        auto colour = [&](const char* key, TColor fallback) { return FIni.ReadColor("Colours", key, fallback); };
        c.WindowText = colour("WindowText", System(SystemColour::WindowText));
        c.ButtonFace = colour("ButtonFace", System(SystemColour::ButtonFace));
        c.Scrollbar = colour("Scrollbar", System(SystemColour::ScrollBar));
        c.HilightText = colour("HilightText", System(SystemColour::HighlightText));
        c.Hilight = colour("Hilight", System(SystemColour::Highlight));
        c.Menubar = colour("Menubar", c.ButtonFace);
        c.Menu = colour("Menu", System(SystemColour::Menu));
        c.MenuText = colour("MenuText", System(SystemColour::MenuText));
        c.ButtonText = colour("ButtonText", System(SystemColour::ButtonText));
        c.ButtonHilight = colour("ButtonHilight", System(SystemColour::ButtonHighlight));
        c.Buttonlight = colour("Buttonlight", System(SystemColour::ButtonHighlight));
        c.ButtonShadow = colour("ButtonShadow", System(SystemColour::ButtonShadow));
        c.ButtonDkShadow = colour("ButtonDkShadow", System(SystemColour::DarkShadow3D));
        c.MenuBarText = colour("MenuBarText", System(SystemColour::MenuText));
        c.TitleTextActive = colour("TitleTextActive", System(SystemColour::CaptionText));
        c.TitleTextNoActive = colour("TitleTextNoActive", System(SystemColour::InactiveCaptionText));

        FSkin.IndexedColours.clear();
        for (const std::string& section : FIni.Sections()) {
            std::string upper = UpperCaseGbk(section);
            if (upper.starts_with("COLOUR") && upper != "COLOURS")
                FSkin.IndexedColours.push_back(FIni.ReadColor(section, "color", System(SystemColour::WindowText)));
        }
        for (int i = 0; i < 10; ++i)
            FSkin.CustomColours[i] = FIni.ReadColor("Customcolors", "Color" + std::to_string(i), kWhite);
    }

    static bool IsCaptionButtonSection(const std::string& upper) {
        return upper.starts_with("BUTTON") && upper != "BUTTON" && upper != "BUTTONS" &&
               upper != "BUTTON.RADIO" && upper != "BUTTON.CHECKBOX";
    }

    void ReadCaptionButtons() {
        FSkin.CaptionButtons.clear();
        for (const std::string& section : FIni.Sections()) {
            if (FSkin.CaptionButtons.size() == kMaxCaptionButtons) break;
            std::string upper = UpperCaseGbk(section);
            if (!IsCaptionButtonSection(upper)) continue;
            int action = Integer(section, "Action", 0);
            if (action == -1 && Integer(section, "Visibility", -1) != 0) continue;
            TSkinSysButtonElement button;
            button.Name = upper;
            button.Action = action;
            button.Align = Integer(section, "Align", 0);
            button.XCoord = Integer(section, "Xcoord", 0);
            button.YCoord = Integer(section, "Ycoord", 0);
            button.Visibility = Integer(section, "Visibility", 0);
            button.Visibility1 = Integer(section, "Visibility1", action == -1 ? -1 : 0);
            button.CombineOp = Integer(section, "CombineOp", -1);
            button.Image = Image(section, "ButtonImage");
            button.FrameCount = CaptionButtonFrames(Integer(section, "frame", 0), action, button.Image);
            button.Trans = true;  // the caption shows where a button leaves out
            FSkin.CaptionButtons.push_back(std::move(button));
        }
    }

    static int CaptionButtonFrames(int frames, int action, const PixelBuffer& image) {
        if (action < 0) return 6;
        if (frames > 0) return frames;
        if (image.Empty()) return 6;
        return image.Width() <= 3.8 * image.Height() ? 3 : 6;
    }

    // The close, restore and minimise buttons of a maximised MDI child: one
    // image of twelve cells, four states for each button.
    void AppendMdiButtons() {
        PixelBuffer strip = Image("MDICONTROLS", "Image");
        int cell = strip.Width() / 12;
        for (int i = 0; i < 3; ++i) {
            TSkinSysButtonElement button;
            button.Name = "MDICONTROLS";
            button.Action = 7 + i;
            button.Align = 100;
            button.Visibility = 100;
            button.XCoord = (cell + 4) * (3 - i);
            button.Image = strip.Crop({4 * cell * i, 0, 4 * cell, strip.Height()});
            button.FrameCount = 4;
            button.Trans = true;
            FSkin.CaptionButtons.push_back(std::move(button));
        }
    }

    void ReadMargins(TSkinElement& element, const std::string& section) const {
        element.LeftWidth = Integer(section, "LeftWidth", 0);
        element.RightWidth = Integer(section, "RightWidth", 0);
        element.TopHeight = Integer(section, "TopHeight", 0);
        element.BottomHeight = Integer(section, "BottomHeight", 0);
        element.Trans = Integer(section, "Trans", 0) != 0;
    }

    void ReadColourIndexes(TSkinElement& element, const std::string& section) const {
        element.NormalColour = Integer(section, "NormalColour", -1);
        element.MouseOverColour = Integer(section, "MouseOverColour", -1);
        element.PressedColour = Integer(section, "PressedColour", -1);
    }

    // The keys every image element of the description shares.
    void ReadCommonKeys(TSkinElement& element, const std::string& section) {
        element.Name = section;
        element.Image = Image(section, "Image");
        element.Style = Integer(section, "Style", 0);
        ReadMargins(element, section);
        int tile = Integer(section, "Tile", 0);
        element.Tile = tile > 1 ? 0 : tile;
        ReadColourIndexes(element, section);
        TColor text = FSkin.Colours.ButtonText;
        element.NormalTextColour = FIni.ReadColor(section, "NormalColour2", text);
        element.MouseOverTextColour = FIni.ReadColor(section, "MouseOverColour2", text);
        element.PressedTextColour = FIni.ReadColor(section, "PressedColour2", text);
    }

    TSkinElement* ReadGeneric(const std::string& section) {
        FSkin.Elements.erase(section);
        if (!HasValue(section.c_str(), "Image")) return nullptr;
        auto& element = FSkin.Elements[section] = std::make_unique<TSkinElement>();
        ReadCommonKeys(*element, section);
        element->FrameCount = Integer(section, "Frame", 0);
        return element.get();
    }

    void ReadScrollThumb(const std::string& section) {
        if (TSkinElement* thumb = ReadGeneric(section)) thumb->FrameCount = Integer(section, "FrameCount", 3);
    }

    // The track bar channels fall back on the program's own bitmaps.
    void ReadTrack(const std::string& section) {
        if (ReadGeneric(section)) return;
        try {
            std::vector<uint8_t> dib = FSkin.Host().ProgramBitmap(UpperCaseGbk(section));
            if (dib.empty()) return;
            auto track = std::make_unique<TSkinElement>();
            track->Name = section;
            track->Image = ReadPackedBitmap(ByteView(dib.data(), dib.size(), kBitmapDamaged));
            track->LeftWidth = track->TopHeight = track->RightWidth = track->BottomHeight = 3;
            FSkin.Elements[section] = std::move(track);
        } catch (const Exception&) {
        }
    }

    std::unique_ptr<TSkinBorderElement> ReadWithSecondImage(const char* section, const char* secondKey,
                                                            int frames) {
        if (!HasValue(section, "Image")) return nullptr;
        auto element = std::make_unique<TSkinBorderElement>();
        ReadCommonKeys(*element, section);
        if (secondKey) element->Image2 = Image(section, secondKey);
        element->FrameCount = frames;
        return element;
    }

    void ReadGroupBox() {
        FSkin.GroupBox.reset();
        if (!HasValue("GroupBox", "Image")) return;
        auto box = std::make_unique<TSkinBoxLabelElement>();
        ReadCommonKeys(*box, "GroupBox");
        box->BackgroundAlignment = Integer("GroupBox", "BackgroundAlignment", 0);
        box->BackgroundLeftShift = Integer("GroupBox", "BackgroundLeftShift", 0);
        box->BackgroundRightShift = Integer("GroupBox", "BackgroundRightShift", 0);
        box->FrameCount = 1;
        FSkin.GroupBox = std::move(box);
    }

    // Check and radio images without a usable frame count hold square cells
    // of 13 pixels (small images) or 16.
    static int CheckFrames(int frames, const PixelBuffer& image) {
        if (frames > 0) return frames;
        int cell = image.Height() < 16 ? 13 : 16;
        return std::max(image.Width() / cell, 4);
    }

    void ReadPushButtons() {
        const std::string section = "Buttons";
        TSkinButtonElement& buttons = FSkin.Buttons;
        buttons = TSkinButtonElement();
        buttons.Name = section;
        buttons.Image = Image(section, "Bitmap");
        buttons.FrameCount = 5;
        ReadMargins(buttons, section);
        int tile = Integer(section, "Tile", 0);
        buttons.Tile = tile > 1 ? 0 : tile;
        buttons.CheckImage = Image(section, "CheckButton");
        buttons.RadioImage = Image(section, "RadioButton");
        ReadColourIndexes(buttons, section);
        buttons.RadioFrameCount = CheckFrames(Integer(section, "RadioButtonFrame", 0), buttons.RadioImage);
        buttons.CheckFrameCount = CheckFrames(Integer(section, "CheckButtonFrame", 0), buttons.CheckImage);
        buttons.NormalTextGiven = ParseSkinColor(FIni.ReadString(section, "NormalColour2", ""), buttons.NormalTextColour);
        buttons.MouseOverTextGiven =
            ParseSkinColor(FIni.ReadString(section, "MouseOverColour2", ""), buttons.MouseOverTextColour);
        buttons.PressedTextGiven = ParseSkinColor(FIni.ReadString(section, "PressedColour2", ""), buttons.PressedTextColour);
    }

    // A caption colour given as three keys, each 0 or more.
    TColor CaptionColour(const std::string& prefix) const {
        int red = Integer("Personality", prefix + "R", -1);
        int green = Integer("Personality", prefix + "G", -1);
        int blue = Integer("Personality", prefix + "B", -1);
        if (red < 0 || green < 0 || blue < 0) return kNoColor;
        return std::min(red, 255) | std::min(green, 255) << 8 | std::min(blue, 255) << 16;
    }

    void ReadTitle() {
        const std::string section = "Personality";
        TSkinTitleElement& title = FSkin.Title;
        title = TSkinTitleElement();
        title.Name = "Title";
        title.Image = Image(section, "TextBack");
        title.FrameCount = 2;  // active, inactive
        title.Trans = true;    // the text's background lies on the caption
        title.TextShift = Integer(section, "TextShift", 0);
        title.TextShiftVert = Integer(section, "TextShiftVert", 0);
        title.TextRightClip = Integer(section, "TextRightClip", 0);
        title.TextAlignment = Integer(section, "TextAlignment", 0);
        title.TextBackground = Integer(section, "Textbackground", 0);
        title.TextBackLeft = Integer(section, "TXTBackleft", 0);
        title.TextBackRight = Integer(section, "TXTBackRight", 0);
        title.LeftWidth = title.TextBackLeft;
        title.RightWidth = title.TextBackRight;
        title.ActiveTextColour = CaptionColour("ActiveText");
        title.InactiveTextColour = CaptionColour("InActiveText");
        title.FontHeight = Integer("Fonts", "FontHeight", 14);
    }

    void ReadProgress() {
        const std::string section = "Progress";
        FSkin.Progress.reset();
        if (!HasValue("Progress", "Bitmap")) return;
        auto progress = std::make_unique<TSkinElement>();
        progress->Name = section;
        progress->Image = Image(section, "Bitmap");
        progress->Style = Integer(section, "Style", 0);
        ReadMargins(*progress, section);
        progress->Tile = std::min(Integer(section, "Tile", 0), 1);
        progress->FrameCount = progress->Style != 0 ? 1 : 2;
        FSkin.Progress = std::move(progress);
    }

    // The menu bar background: active and inactive states one above the
    // other, with fixed ends TileLeftMenu and TileRightMenu pixels wide.
    void ReadMenuBar() {
        const std::string section = "Personality";
        FSkin.MenuBar.reset();
        if (!HasValue("Personality", "menuBar")) return;
        auto bar = std::make_unique<TSkinElement>();
        bar->Name = "menuBar";
        bar->Image = Image(section, "menuBar");
        bar->Tile = std::min(Integer(section, "TileMenu", 1), 1);
        bar->LeftWidth = Integer(section, "TileLeftMenu", 1);
        bar->RightWidth = Integer(section, "TileRightMenu", 1);
        bar->FrameCount = 2;
        bar->States = StateLayout::Stacked;
        FSkin.MenuBar = std::move(bar);
    }

    TSkinData& FSkin;
    const TSkinReader& FArchive;
    const TSkinIni& FIni;
    std::map<const TSkinReader::Entry*, PixelBuffer> FDecoded;
    int64_t FPixelsHeld = 0;
};

}  // namespace

void ReadSkinDescription(TSkinData& skin, const TSkinReader& archive, const TSkinIni& ini) {
    SkinLoader(skin, archive, ini).Run();
}
