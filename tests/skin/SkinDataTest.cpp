#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>

#include "skin/data/SkinData.h"
#include "skin/data/SkinLoading.h"
#include "skin/data/TextCase.h"
#include "skin/stream/SkinArchive.h"
#include "tools/skin/BitmapWriter.h"
#include "tools/skin/LzhEncoder.h"
#include "tools/skin/SkinArchiveWriter.h"

namespace {

// A system whose colours are all different (index * 0x010101 + 1), with
// an arrow width of 17 and whatever program bitmaps a test gives it.
class TestHost : public TSkinHost {
public:
    TColor SystemColor(SystemColour which) const override { return int(which) * 0x010101 + 1; }
    std::vector<uint8_t> ProgramBitmap(std::string_view name) const override {
        auto found = bitmaps.find(std::string(name));
        return found == bitmaps.end() ? std::vector<uint8_t>() : found->second;
    }
    void ShowMessage(const std::string& text) const override { messages.push_back(text); }

    std::map<std::string, std::vector<uint8_t>> bitmaps;
    mutable std::vector<std::string> messages;
};

TColor System(SystemColour which) { return TestHost().SystemColor(which); }

PixelBuffer Solid(int width, int height, Pixel pixel) { return PixelBuffer(width, height, pixel); }

// Cells of distinct solid colours side by side: cell k is colour base + k.
PixelBuffer Strip(int cells, int cellWidth, int height, Pixel base) {
    PixelBuffer image(cells * cellWidth, height);
    for (int k = 0; k < cells; ++k) image.Fill({k * cellWidth, 0, cellWidth, height}, base + k);
    return image;
}

// The SkinStream property holding a compressed stream: count, then bytes.
std::vector<uint8_t> Property(const std::vector<uint8_t>& stream) {
    std::vector<uint8_t> property(4 + stream.size());
    for (int i = 0; i < 4; ++i) property[i] = uint8_t(stream.size() >> (8 * i));
    std::copy(stream.begin(), stream.end(), property.begin() + 4);
    return property;
}

// The SkinStream property of a skin made of a description and bitmaps.
std::vector<uint8_t> SkinProperty(const std::string& ini, const std::map<std::string, PixelBuffer>& bitmaps) {
    std::vector<ArchiveEntry> entries;
    for (const auto& [name, image] : bitmaps) entries.push_back({name, WriteBitmapFile(image)});
    entries.push_back({"skin.ini", {ini.begin(), ini.end()}});
    std::vector<uint8_t> archive = PackSkinArchive(entries);
    return Property(LzhEncode(archive.data(), archive.size()));
}

void Load(TSkinData& skin, const std::vector<uint8_t>& property) {
    skin.ReadSkinStream(ByteView(property.data(), property.size(), "form damaged"));
}

class SkinDataTest : public ::testing::Test {
protected:
    void LoadSkin(const std::string& ini, const std::map<std::string, PixelBuffer>& bitmaps = {}) {
        Load(skin, SkinProperty(ini, bitmaps));
        ASSERT_FALSE(skin.SkinEmpty());
    }

    TestHost host;
    TSkinData skin{host};
};

TEST_F(SkinDataTest, NewComponent_HasTheConstructorValues) {
    EXPECT_FALSE(skin.Active());
    EXPECT_EQ(skin.DisableTag, 99);
    EXPECT_TRUE(skin.SkinControls.test(scMainMenu));
    EXPECT_TRUE(skin.SkinControls.test(scSystemMenu));
    EXPECT_FALSE(skin.SkinControls.test(scMenuItem));
    EXPECT_FALSE(skin.SkinControls.test(scFastReport));
    EXPECT_EQ(skin.Options, TSkinOptionSet().set(soPreview).set(soToolbarBK));
    EXPECT_EQ(skin.Version(), "2.1.0.0");
    EXPECT_EQ(skin.SkinStore(), "(none)");
    EXPECT_TRUE(skin.SkinEmpty());
    EXPECT_EQ(skin.ClassMap.front(), "TCategoryButtons=scrollbar");
    EXPECT_EQ(skin.ClassMap.back(), "trmtoolbaraddintools=panel");
}

TEST(ClassMap, ConstructorFills124LinesAndFormsStoreTheFirst117) {
    const std::vector<std::string>& lines = DefaultClassMap();
    ASSERT_EQ(lines.size(), 124u);
    EXPECT_EQ(FormClassMap(), std::vector<std::string>(lines.begin(), lines.begin() + 117));
    for (size_t i = 117; i < lines.size(); ++i) EXPECT_TRUE(lines[i].starts_with("trmtoolbar")) << lines[i];
    std::map<std::string, int> seen;
    for (const std::string& line : lines) ++seen[line];
    EXPECT_EQ(std::count_if(seen.begin(), seen.end(), [](const auto& entry) { return entry.second == 2; }), 3);
    // The first line of a name decides, whatever the case of the later ones.
    auto first = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
        return LowerCaseGbk(line).starts_with("tlmdgroupbox=");
    });
    EXPECT_EQ(LowerCaseGbk(*first), "tlmdgroupbox=groupbox");
}

TEST_F(SkinDataTest, SkinStream_IsWrittenBackAsItWasRead) {
    std::vector<uint8_t> property = SkinProperty("[TitlebarSkin]\r\nSkinName=Tiny\r\n", {});
    Load(skin, property);
    EXPECT_EQ(skin.SkinName, "Tiny");
    EXPECT_EQ(skin.WriteSkinStream(), property);
}

// Writes the compressed stream a SkinStream property holds as a skin file.
std::string WriteSkinFile(const std::string& name, const std::vector<uint8_t>& property) {
    std::string path = ::testing::TempDir() + name;
    FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(property.data() + 4, 1, property.size() - 4, file);
    std::fclose(file);
    return path;
}

TEST_F(SkinDataTest, SkinFile_LoadsTheCompressedStreamItHolds) {
    std::string path = WriteSkinFile("skin-data-test.skn", SkinProperty("[TitlebarSkin]\r\nSkinName=From file\r\n", {}));
    skin.SetSkinFile(path);
    EXPECT_FALSE(skin.SkinEmpty());
    EXPECT_EQ(skin.SkinName, "From file");
    std::remove(path.c_str());
}

TEST_F(SkinDataTest, SkinFileThatCannotServe_LeavesTheSkinAsItWas) {
    LoadSkin("[TitlebarSkin]\r\nSkinName=Before\r\n[MenuItem]\r\nImage=a.bmp\r\n", {{"a.bmp", Solid(5, 1, 1)}});
    std::vector<uint8_t> damaged = {9, 0, 0, 0, 0, 0, 4, 1};
    std::string damagedPath = WriteSkinFile("skin-data-damaged.skn", damaged);
    for (const std::string& path : {::testing::TempDir() + "no-such-skin.skn", damagedPath}) {
        skin.SetSkinFile(path);
        EXPECT_FALSE(skin.SkinEmpty()) << path;
        EXPECT_EQ(skin.SkinName, "Before") << path;
        ASSERT_NE(skin.Element("MenuItem"), nullptr) << path;
        EXPECT_EQ(skin.SkinFile(), path);
    }
    std::remove(damagedPath.c_str());
}

TEST(SkinHost, ReadFile_RefusesFilesAboveTheLimit) {
    std::string path = WriteSkinFile("skin-host-limit.bin", {0, 0, 0, 0, 1, 2, 3, 4});
    EXPECT_EQ(TSkinHost().ReadFile(path, 4), (std::vector<uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ(TSkinHost().ReadFile(path, 3), std::nullopt);
    std::remove(path.c_str());
    EXPECT_EQ(TSkinHost().ReadFile(path, 4), std::nullopt);
}

TEST_F(SkinDataTest, EmptyOrDamagedStream_LeavesTheSkinEmptyAndInactive) {
    for (std::vector<uint8_t> property : {std::vector<uint8_t>{0, 0, 0, 0}, std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF},
                                          std::vector<uint8_t>{9, 0, 0, 0, 1, 2}, std::vector<uint8_t>{2, 0, 0, 0, 1, 2}}) {
        skin.SetActive(true);
        Load(skin, property);
        skin.Loaded();
        EXPECT_TRUE(skin.SkinEmpty());
        EXPECT_FALSE(skin.Active());
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SkinDataTest, ArchiveOfAnotherVersion_ShowsTheVersionMessage) {
    std::vector<uint8_t> archive = PackSkinArchive({});
    archive[0] = 1;  // tag 39937
    Load(skin, Property(LzhEncode(archive.data(), archive.size())));
    EXPECT_TRUE(skin.SkinEmpty());
    EXPECT_EQ(host.messages, std::vector<std::string>{kSkinVersionMessage});
}

TEST_F(SkinDataTest, Loaded_KeepsOnlyOneOfMenuItemAndSystemMenu) {
    skin.SkinControls.set(scMenuItem);
    skin.Loaded();
    EXPECT_FALSE(skin.SkinControls.test(scMenuItem));
    skin.SkinControls.reset(scMainMenu);
    skin.SkinControls.set(scMenuItem);
    skin.Loaded();
    EXPECT_TRUE(skin.SkinControls.test(scMenuItem));
    EXPECT_FALSE(skin.SkinControls.test(scSystemMenu));
}

TEST_F(SkinDataTest, Colours_FallBackOnTheSystemAndIndexedColoursFollowSectionOrder) {
    LoadSkin(
        "[Colours]\r\nButtonFace=1 2 3\r\nMenu=\r\n"
        "[Colour2]\r\ncolor=0 0 255\r\n[COLOURS]\r\n[colour1]\r\n"
        "[Customcolors]\r\nColor3=9 9 9\r\n");
    EXPECT_EQ(skin.Colours.ButtonFace, 0x030201);
    EXPECT_EQ(skin.Colours.Menubar, 0x030201);  // follows the button face
    EXPECT_EQ(skin.Colours.Menu, System(SystemColour::Menu));
    EXPECT_EQ(skin.Colours.ButtonDkShadow, System(SystemColour::DarkShadow3D));
    EXPECT_EQ(skin.Colours.TitleTextNoActive, System(SystemColour::InactiveCaptionText));
    EXPECT_EQ(skin.IndexedColours, (std::vector<TColor>{0xFF0000, System(SystemColour::WindowText)}));
    EXPECT_EQ(skin.CustomColours[3], 0x090909);
    EXPECT_EQ(skin.CustomColours[4], 0xFFFFFF);
}

TEST_F(SkinDataTest, ImageNames_UseTheLowerCasedFileNameAndNeedALowerCaseExtension) {
    LoadSkin(
        "[Scrollbar]\r\nImage=C:\\skins\\Arrows.bmp\r\n"
        "[MenuItem]\r\nImage=item.BMP\r\n"
        "[Headerbar]\r\nImage=missing.bmp\r\n",
        {{"ARROWS.bmp", Solid(46, 2, 0x112233)}, {"item.bmp", Solid(5, 5, 1)}});
    EXPECT_EQ(skin.Element("Scrollbar")->Image.At(0, 0), 0x112233u);
    ASSERT_NE(skin.Element("MenuItem"), nullptr);
    EXPECT_TRUE(skin.Element("MenuItem")->Image.Empty());
    EXPECT_TRUE(skin.Element("Headerbar")->Image.Empty());
    EXPECT_EQ(skin.Element("ToolBars"), nullptr);  // no section, no element
}

TEST_F(SkinDataTest, ImageNameEndingInACharacterWhoseSecondByteIsABackslash_IsFound) {
    // "\xD5\x5C" is one GBK character; its second byte is no folder separator.
    LoadSkin("[MenuItem]\r\nImage=skins\\\xD5\x5C.bmp\r\n", {{"\xD5\x5C.bmp", Solid(5, 1, 0x445566)}});
    const PixelBuffer& image = skin.Element("MenuItem")->Image;
    ASSERT_FALSE(image.Empty());
    EXPECT_EQ(image.At(0, 0), 0x445566u);
}

TEST_F(SkinDataTest, CaptionButtons_StopAtTheirCeiling) {
    std::string ini;
    for (int i = 0; i < 1000; ++i) ini += "[Button" + std::to_string(i) + "]\r\nAction=1\r\nButtonImage=a.bmp\r\n";
    LoadSkin(ini, {{"a.bmp", Solid(60, 20, 1)}});
    ASSERT_EQ(skin.CaptionButtons.size(), kMaxCaptionButtons + 3);  // and the three MDI buttons
    EXPECT_EQ(skin.CaptionButtons[kMaxCaptionButtons - 1].Name, "BUTTON" + std::to_string(kMaxCaptionButtons - 1));
    EXPECT_EQ(skin.CaptionButtons[0].Image.Width(), 60);
}

// The images of one load share a budget of pixels, counting the decoded
// entry once and each element's copy: a 4-million-pixel image serves three
// elements, and the rest stay without one.
TEST_F(SkinDataTest, ImagesBeyondThePixelBudget_StayEmpty) {
    const char* sections[] = {"MenuItem", "MenuBackground", "Headerbar", "ToolBars", "StatusBarEdges"};
    std::string ini;
    for (const char* section : sections) ini += std::string("[") + section + "]\r\nImage=big.bmp\r\n";
    std::vector<uint8_t> archive = PackSkinArchive({{"big.bmp", WriteBitmapFile(Solid(2048, 2048, 7))}});
    TSkinReader reader;
    ASSERT_TRUE(reader.ReadArchive(archive));
    ReadSkinDescription(skin, reader, TSkinIni(ini));
    int withImage = 0;
    for (const char* section : sections) withImage += !skin.Element(section)->Image.Empty();
    EXPECT_EQ(withImage, int((kMaxSkinPixels - 2048 * 2048) / (2048 * 2048)));
    EXPECT_EQ(withImage, 3);
}

TEST_F(SkinDataTest, FrameCounts_AreFixedPerElement) {
    LoadSkin(
        "[Scrollbar]\r\nImage=a.bmp\r\nFrame=2\r\n"
        "[Headerbar]\r\nImage=a.bmp\r\nFrame=0\r\n"
        "[MenuItem]\r\nImage=a.bmp\r\nFrame=1\r\n"
        "[HorzScrollThumb]\r\nImage=a.bmp\r\nFrameCount=6\r\n"
        "[VertScrollThumb]\r\nImage=a.bmp\r\n"
        "[Progress.Chunk]\r\nImage=a.bmp\r\nFrame=3\r\n"
        "[Tab.Pane]\r\nImage=a.bmp\r\nLeftWidth=9\r\nTopHeight=2\r\nFrame=4\r\n"
        "[Progress]\r\nBitmap=a.bmp\r\nStyle=1\r\nTile=5\r\n"
        "[Tabs]\r\nImage=a.bmp\r\nBorder=a.bmp\r\nTile=5\r\n",
        {{"a.bmp", Solid(46, 4, 1)}});
    EXPECT_EQ(skin.Element("Scrollbar")->FrameCount, 23);
    EXPECT_EQ(skin.Element("Headerbar")->FrameCount, 5);
    EXPECT_EQ(skin.Element("MenuItem")->FrameCount, 5);
    EXPECT_EQ(skin.Element("HorzScrollThumb")->FrameCount, 6);
    EXPECT_EQ(skin.Element("VertScrollThumb")->FrameCount, 3);
    EXPECT_EQ(skin.Element("Progress.Chunk")->FrameCount, 3);
    const TSkinElement& pane = *skin.Element("Tab.Pane");
    EXPECT_EQ(pane.FrameCount, 1);
    EXPECT_EQ(pane.LeftWidth, 4);
    EXPECT_EQ(pane.TopHeight, 2);
    EXPECT_EQ(skin.Progress->FrameCount, 1);
    EXPECT_EQ(skin.Progress->Tile, 1);  // above 1 becomes 1 for the progress bar
    EXPECT_EQ(skin.Tabs->FrameCount, 5);
    EXPECT_EQ(skin.Tabs->Tile, 0);      // and 0 elsewhere
    EXPECT_FALSE(skin.Tabs->Image2.Empty());
}

TEST_F(SkinDataTest, NumbersThatDoNotFitTheirImage_AreClampedAtLoad) {
    LoadSkin(
        "[SunkEdge]\r\nImage=edge.bmp\r\nLeftWidth=1073741824\r\nRightWidth=1073741824\r\nTopHeight=-5\r\n"
        "[ComboButton]\r\nImage=button.bmp\r\n"
        "[Scrollbar]\r\nImage=narrow.bmp\r\n"
        "[Progress.Chunk]\r\nImage=narrow.bmp\r\nFrame=-7\r\n"
        "[Buttons]\r\nCheckButton=check.bmp\r\nCheckButtonFrame=-3\r\nRadioButton=check.bmp\r\nRadioButtonFrame=900\r\n"
        "[Personality]\r\nLeft=side.bmp\r\nLeftTopHeight=2000000000\r\nLeftBotHeight=-1\r\nLeftFrame=99\r\n",
        {{"edge.bmp", Strip(4, 5, 5, 0x10)}, {"button.bmp", Strip(4, 3, 3, 0x20)}, {"narrow.bmp", Solid(10, 3, 1)},
         {"check.bmp", Solid(52, 13, 1)}, {"side.bmp", Solid(8, 30, 1)}});
    const TSkinElement& edge = *skin.Element("SunkEdge");
    EXPECT_EQ(edge.LeftWidth, 5);  // one 5-pixel state of the image as given
    EXPECT_EQ(edge.RightWidth, 5);
    EXPECT_EQ(edge.TopHeight, 0);
    EXPECT_EQ(skin.ComboButton->Image.Width(), 200);  // the combo picture was still drawn
    EXPECT_EQ(skin.Element("Scrollbar")->FrameCount, 10);  // 23 states cannot share 10 pixels
    EXPECT_EQ(skin.Element("Progress.Chunk")->FrameCount, 1);
    EXPECT_EQ(skin.Buttons.CheckFrameCount, 4);  // 52 / 13, as if none were given
    EXPECT_EQ(skin.Buttons.RadioFrameCount, 52);
    EXPECT_EQ(skin.Left.FrameCount, 8);
    EXPECT_EQ(skin.Left.TopHeight, 30);
    EXPECT_EQ(skin.Left.BottomHeight, 0);
}

TEST_F(SkinDataTest, CaptionButtons_FollowSectionOrderWithTheirFrameCounts) {
    LoadSkin(
        "[Button.Close]\r\nAction=0\r\nAlign=1\r\nXcoord=20\r\nButtonImage=wide.bmp\r\n"
        "[Buttons]\r\nBitmap=wide.bmp\r\n"
        "[BUTTON.CHECKBOX]\r\nAction=4\r\n"
        "[ButtonMax]\r\nAction=1\r\nButtonImage=narrow.bmp\r\n"
        "[ButtonGone]\r\nAction=-1\r\n"
        "[ButtonKept]\r\nAction=-1\r\nVisibility=0\r\n"
        "[ButtonFour]\r\nAction=2\r\nframe=4\r\nButtonImage=narrow.bmp\r\n",
        {{"wide.bmp", Solid(78, 20, 1)}, {"narrow.bmp", Solid(76, 20, 1)}});
    ASSERT_EQ(skin.CaptionButtons.size(), 4u + 3u);
    EXPECT_EQ(skin.CaptionButtons[0].Name, "BUTTON.CLOSE");
    EXPECT_EQ(skin.CaptionButtons[0].Align, 1);
    EXPECT_EQ(skin.CaptionButtons[0].XCoord, 20);
    EXPECT_EQ(skin.CaptionButtons[0].FrameCount, 6);  // 78 / 20 > 3.8
    EXPECT_EQ(skin.CaptionButtons[1].FrameCount, 3);  // 76 / 20 = 3.8
    EXPECT_EQ(skin.CaptionButtons[2].Name, "BUTTONKEPT");
    EXPECT_EQ(skin.CaptionButtons[2].FrameCount, 6);
    EXPECT_EQ(skin.CaptionButtons[2].Visibility1, -1);
    EXPECT_EQ(skin.CaptionButtons[2].CombineOp, -1);
    EXPECT_EQ(skin.CaptionButtons[3].FrameCount, 4);
}

TEST_F(SkinDataTest, MdiButtons_AreCutFromTwelveCells) {
    LoadSkin("[MDICONTROLS]\r\nImage=mdi.bmp\r\n", {{"mdi.bmp", Strip(12, 10, 9, 0x100)}});
    ASSERT_EQ(skin.CaptionButtons.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const TSkinSysButtonElement& button = skin.CaptionButtons[i];
        EXPECT_EQ(button.Action, 7 + i);
        EXPECT_EQ(button.FrameCount, 4);
        EXPECT_EQ(button.XCoord, 14 * (3 - i));
        EXPECT_EQ(button.Image.Width(), 40);
        EXPECT_EQ(button.Image.Height(), 9);
        EXPECT_EQ(button.Image.At(0, 0), Pixel(0x100 + 4 * i));
        EXPECT_EQ(button.Image.At(39, 0), Pixel(0x100 + 4 * i + 3));
    }
}

TEST_F(SkinDataTest, PushButtons_ComputeCheckFramesAndRememberGivenTextColours) {
    LoadSkin(
        "[Buttons]\r\nBitmap=b.bmp\r\nLeftWidth=3\r\nTile=2\r\nCheckButton=small.bmp\r\nRadioButton=big.bmp\r\n"
        "NormalColour2=10 20 30\r\nPressedColour2=\r\n",
        {{"b.bmp", Solid(50, 20, 1)}, {"small.bmp", Solid(104, 13, 1)}, {"big.bmp", Solid(32, 16, 1)}});
    EXPECT_EQ(skin.Buttons.FrameCount, 5);
    EXPECT_EQ(skin.Buttons.LeftWidth, 3);
    EXPECT_EQ(skin.Buttons.Tile, 0);
    EXPECT_EQ(skin.Buttons.CheckFrameCount, 8);  // 104 / 13
    EXPECT_EQ(skin.Buttons.RadioFrameCount, 4);  // 32 / 16 = 2, at least 4
    EXPECT_TRUE(skin.Buttons.NormalTextGiven);
    EXPECT_EQ(skin.Buttons.NormalTextColour, 0x1E140A);
    EXPECT_FALSE(skin.Buttons.PressedTextGiven);
}

TEST_F(SkinDataTest, CaptionTitle_TakesColoursOnlyWhenAllThreeAreGiven) {
    LoadSkin(
        "[Personality]\r\nTextShift=24\r\nActiveTextR=255\r\nActiveTextG=128\r\nActiveTextB=0\r\n"
        "InActiveTextR=1\r\nInActiveTextG=1\r\n[Fonts]\r\nFontHeight=12\r\n");
    EXPECT_EQ(skin.Title.TextShift, 24);
    EXPECT_EQ(skin.Title.ActiveTextColour, 0x0080FF);
    EXPECT_EQ(skin.Title.InactiveTextColour, kNoColor);
    EXPECT_EQ(skin.Title.FontHeight, 12);
}

TEST_F(SkinDataTest, Borders_ReadTheirKeysWithDefaults) {
    LoadSkin("[Personality]\r\nTop=top.bmp\r\nTopTopHeight=6\r\nTopBotHeight=7\r\nTopFrame=2\r\nTopStretch=5\r\n"
             "LeftTrans=0\r\n", {{"top.bmp", Solid(40, 52, 0x336699)}});
    EXPECT_EQ(skin.Top.TopHeight, 6);
    EXPECT_EQ(skin.Top.BottomHeight, 7);
    EXPECT_EQ(skin.Top.FrameCount, 2);
    EXPECT_EQ(skin.Top.Stretch, 1);
    EXPECT_TRUE(skin.Top.Trans);
    EXPECT_FALSE(skin.Left.Trans);
    EXPECT_EQ(skin.Top.States, StateLayout::Stacked);
    EXPECT_EQ(skin.FrameColour, ColorFromPixel(0x336699));
}

TEST_F(SkinDataTest, ToolbarGradient_RunsFromLightFaceToTheFrameColour) {
    LoadSkin("[Colours]\r\nButtonFace=0 0 0\r\n[Personality]\r\nTop=top.bmp\r\n", {{"top.bmp", Solid(9, 9, 0x0000FF)}});
    const PixelBuffer& gradient = skin.Toolbar->Image;
    ASSERT_EQ(gradient.Width(), 10);
    ASSERT_EQ(gradient.Height(), 40);
    EXPECT_EQ(gradient.At(0, 0), 0x969696u);  // black blended 150/255 towards white
    EXPECT_EQ(gradient.At(9, 39), 0x0000FFu);
}

TEST_F(SkinDataTest, TrackWithoutSection_ComesFromTheProgramBitmap) {
    std::vector<uint8_t> file = WriteBitmapFile(Solid(12, 6, 0x445566));
    host.bitmaps["TRACK"] = std::vector<uint8_t>(file.begin() + 14, file.end());
    LoadSkin("[TRACKVERT]\r\nImage=v.bmp\r\nLeftWidth=1\r\n", {{"v.bmp", Solid(6, 12, 1)}});
    const TSkinElement& track = *skin.Element("Track");
    EXPECT_EQ(track.Image.At(0, 0), 0x445566u);
    EXPECT_EQ(track.LeftWidth, 3);
    EXPECT_EQ(track.BottomHeight, 3);
    EXPECT_EQ(track.FrameCount, 1);
    EXPECT_EQ(skin.Element("TRACKVERT")->LeftWidth, 1);
}

// The combo box picture: per state of the sunk edge, a 50x21 cell with the
// edge, the button (17 wide, inside the 2-pixel edge) with its glyph, and
// the text area in the window colour.
TEST_F(SkinDataTest, ComboImage_ComposesEdgeButtonGlyphAndTextArea) {
    LoadSkin(
        "[SunkEdge]\r\nImage=edge.bmp\r\n"
        "[ComboButton]\r\nImage=button.bmp\r\n"
        "[ExtraImages]\r\nImage=glyph.bmp\r\n",
        {{"edge.bmp", Strip(4, 5, 5, 0x10)}, {"button.bmp", Strip(4, 3, 3, 0x20)}, {"glyph.bmp", Strip(5, 3, 3, 0x30)}});
    const PixelBuffer& combo = skin.ComboButton->Image;
    ASSERT_EQ(combo.Width(), 200);
    ASSERT_EQ(combo.Height(), 21);
    Pixel window = PixelFromColor(System(SystemColour::Window));
    for (int state = 0; state < 4; ++state) {
        int x = 50 * state;
        EXPECT_EQ(combo.At(x, 0), Pixel(0x10 + state));        // edge
        EXPECT_EQ(combo.At(x + 49, 20), Pixel(0x10 + state));
        EXPECT_EQ(combo.At(x + 2, 2), window);                  // text area
        EXPECT_EQ(combo.At(x + 30, 18), window);
        EXPECT_EQ(combo.At(x + 31, 2), Pixel(0x20 + state));    // button
        EXPECT_EQ(combo.At(x + 47, 18), Pixel(0x20 + state));
        EXPECT_EQ(combo.At(x + 48, 10), Pixel(0x10 + state));   // edge right of the button
        EXPECT_EQ(combo.At(x + 39, 10), Pixel(0x30 + state));   // glyph, centred
    }
    EXPECT_EQ(skin.ComboButton->Style, 2);
    EXPECT_EQ(skin.ComboButton->LeftWidth, 2);
    EXPECT_EQ(skin.ComboButton->RightWidth, 19);
    EXPECT_EQ(skin.Element("SunkEdge")->Image.Pixels(), combo.Pixels());
    EXPECT_EQ(skin.ComboButtonOriginal.Width(), 12);

    const TSkinElement& arrow = *skin.ComboxArrow;
    EXPECT_EQ(arrow.Image.Width(), 4 * 17);
    EXPECT_EQ(arrow.Image.Height(), 17);
    EXPECT_EQ(arrow.FrameCount, 4);
    EXPECT_EQ(arrow.Image.At(17 * 2, 0), Pixel(0x22));
    EXPECT_EQ(arrow.Image.At(17 * 2 + 8, 8), Pixel(0x32));
}

TEST_F(SkinDataTest, ComboArrowWithoutSunkEdge_IsTheButtonWithFaceForMagenta) {
    PixelBuffer button = Solid(8, 4, 0x123456);
    button.Set(0, 0, kMagenta);
    LoadSkin("[Colours]\r\nButtonFace=1 2 3\r\n[ComboButton]\r\nImage=button.bmp\r\n", {{"button.bmp", button}});
    EXPECT_NE(skin.ComboButton->Style, 2);
    EXPECT_EQ(skin.ComboxArrow->Image.At(0, 0), PixelFromColor(0x030201));
    EXPECT_EQ(skin.ComboxArrow->Image.At(1, 0), 0x123456u);
    EXPECT_EQ(skin.ComboxArrow->FrameCount, 4);
}

TEST_F(SkinDataTest, ReloadingAnotherSkin_ForgetsTheFirst) {
    LoadSkin("[MenuItem]\r\nImage=a.bmp\r\n[Colour1]\r\ncolor=1 1 1\r\n", {{"a.bmp", Solid(5, 1, 1)}});
    LoadSkin("[TitlebarSkin]\r\nSkinName=Second\r\n");
    EXPECT_EQ(skin.Element("MenuItem"), nullptr);
    EXPECT_TRUE(skin.IndexedColours.empty());
    EXPECT_EQ(skin.SkinName, "Second");
}

}  // namespace
