#include <gtest/gtest.h>

#include "skin/data/SkinData.h"
#include "tools/skin/FileIo.h"

namespace {

// The skin the build made, as the program embeds it.
class BuiltSkin : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<uint8_t> property = ReadWholeFile(QUORVIK_SKIN_STREAM);
        skin.ReadSkinStream(ByteView(property.data(), property.size(), "damaged"));
        ASSERT_FALSE(skin.SkinEmpty());
    }

    TSkinHost host;
    TSkinData skin{host};
};

TEST_F(BuiltSkin, EveryDescribedImage_IsInTheArchive) {
    for (const TSkinFrameBorder* border : {&skin.Left, &skin.Right, &skin.Top, &skin.Bottom})
        EXPECT_FALSE(border->Image.Empty());
    for (const TSkinSysButtonElement& button : skin.CaptionButtons) EXPECT_FALSE(button.Image.Empty()) << button.Name;
    for (const auto& [name, element] : skin.Elements) EXPECT_FALSE(element->Image.Empty()) << name;
    EXPECT_FALSE(skin.Buttons.Image.Empty());
    EXPECT_FALSE(skin.Buttons.CheckImage.Empty());
    EXPECT_FALSE(skin.Buttons.RadioImage.Empty());
    EXPECT_FALSE(skin.Tabs->Image2.Empty());
    EXPECT_FALSE(skin.UpDownHorz->Image2.Empty());
    EXPECT_FALSE(skin.UpDownVert->Image2.Empty());
    EXPECT_FALSE(skin.Progress->Image.Empty());
    EXPECT_FALSE(skin.MenuBar->Image.Empty());
    EXPECT_FALSE(skin.GroupBox->Image.Empty());
    EXPECT_EQ(skin.Elements.size(), 23u);
}

TEST_F(BuiltSkin, FrameMetrics_FitTheCaptionButtons) {
    int caption = skin.Top.Image.Height() / skin.Top.FrameCount;
    EXPECT_EQ(caption, 26);
    EXPECT_EQ(skin.Left.Image.Width() / skin.Left.FrameCount, 4);
    EXPECT_EQ(skin.Right.Image.Width() / skin.Right.FrameCount, 4);
    EXPECT_EQ(skin.Bottom.Image.Height() / skin.Bottom.FrameCount, 4);
    EXPECT_EQ(skin.Left.TopHeight, caption);
    ASSERT_EQ(skin.CaptionButtons.size(), 5u + 3u);
    for (const TSkinSysButtonElement& button : skin.CaptionButtons) {
        if (button.Action > 3) continue;
        EXPECT_GE(button.YCoord, 4) << button.Name;
        EXPECT_LE(button.YCoord + button.Image.Height(), caption - 1) << button.Name;
    }
}

TEST_F(BuiltSkin, CheckAndRadioImages_HoldTwelveSquareStates) {
    EXPECT_EQ(skin.Buttons.CheckFrameCount, 12);
    EXPECT_EQ(skin.Buttons.CheckImage.Width() / 12, skin.Buttons.CheckImage.Height());
    EXPECT_EQ(skin.Buttons.RadioImage.Width() / 12, skin.Buttons.RadioImage.Height());
}

TEST_F(BuiltSkin, ComboPicture_IsBuilt) {
    EXPECT_EQ(skin.ComboButton->Style, 2);
    EXPECT_EQ(skin.ComboxArrow->FrameCount, 4);
}

}  // namespace
