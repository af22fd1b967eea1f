#include <gtest/gtest.h>

#include "skin/frame/CaptionLayout.h"

namespace {

TSkinSysButtonElement Button(int action, int align, int xCoord, int visibility = 0) {
    TSkinSysButtonElement button;
    button.Action = action;
    button.Align = align;
    button.XCoord = xCoord;
    button.YCoord = 3;
    button.Visibility = visibility;
    button.Image = PixelBuffer(48, 16);
    button.FrameCount = 3;  // 16 x 16
    return button;
}

class CaptionLayoutTest : public ::testing::Test {
protected:
    CaptionLayoutTest() {
        skin.Title.TextShift = 24;
        skin.Title.TextRightClip = 40;
        window.Flags.SystemMenu = window.Flags.MinimiseBox = window.Flags.MaximiseBox = true;
        input.Window = {300, 200};
        input.Metrics = {4, 24, 4, 4, 0};
        input.TextWidth = 400;
        input.TextHeight = 14;
    }

    CaptionLayout Layout() const { return LayoutCaption(skin, input, window); }

    TSkinHost host;
    TSkinData skin{host};
    CaptionButtonWindow window;
    CaptionLayoutInput input;
};

TEST_F(CaptionLayoutTest, OneResultPerSkinButton_InSkinOrder) {
    skin.CaptionButtons = {Button(0, 1, 20), Button(2, 1, 60), Button(3, 0, 4)};
    CaptionLayout layout = Layout();
    ASSERT_EQ(layout.Buttons.size(), 3u);
    EXPECT_EQ(layout.Buttons[0].Bounds.Left, 280);
    EXPECT_EQ(layout.Buttons[1].Bounds.Left, 240);
    EXPECT_EQ(layout.Buttons[2].Bounds.Left, 4);
    EXPECT_TRUE(layout.Buttons[2].Visible);
}

TEST_F(CaptionLayoutTest, PopupText_EndsAtTheLeftmostVisibleRightAlignedButton) {
    // The minimise button at 240 only shows while maximised.
    skin.CaptionButtons = {Button(0, 1, 20), Button(2, 1, 60, 1), Button(1, 0, 200)};
    window.Flags.Popup = true;
    EXPECT_EQ(Layout().Text.ClipRight, 280);
    window.State = WindowState::Maximised;
    EXPECT_EQ(Layout().Text.ClipRight, 240);
    EXPECT_EQ(RightOf(Layout().Text.TextRect), 240);
}

TEST_F(CaptionLayoutTest, OtherWindows_AndPopupsWithoutRightButtons_ClipAtTextRightClip) {
    skin.CaptionButtons = {Button(0, 1, 20)};
    EXPECT_EQ(Layout().Text.ClipRight, 260);
    window.Flags.Popup = true;
    skin.CaptionButtons = {Button(0, 0, 20)};
    EXPECT_EQ(Layout().Text.ClipRight, 260);
}

TEST_F(CaptionLayoutTest, ButtonsBesideTheText_FollowItsPlace) {
    input.TextWidth = 50;
    skin.CaptionButtons = {Button(40, 2, 2), Button(41, 3, 5)};
    CaptionLayout layout = Layout();
    EXPECT_EQ(layout.Text.TextRect.Left, 24);
    EXPECT_EQ(layout.Buttons[0].Bounds.Left, 24 - 16 - 2);
    EXPECT_EQ(layout.Buttons[1].Bounds.Left, 24 + 50 + 5);
    EXPECT_EQ(layout.Buttons[1].Bounds.Top, 3);
}

TEST_F(CaptionLayoutTest, WindowFlags_ReachTheTextRules) {
    input.TextWidth = 50;
    window.Flags.Border = BorderKind::Dialog;
    EXPECT_EQ(Layout().Text.TextRect.Left, 8);
    window.Flags.Border = BorderKind::Single;
    window.Flags.RightToLeft = true;
    EXPECT_EQ(Layout().Text.TextRect.Left, 300 - 40 - 50);
    EXPECT_EQ(Layout().Text.TextRect.Top, 5);
}

TEST_F(CaptionLayoutTest, MenuBarButtons_AreCentredInTheMenuBar) {
    auto bar = std::make_unique<TSkinElement>();
    bar->RightWidth = 6;
    skin.MenuBar = std::move(bar);
    input.Metrics.MenuBar = 20;
    skin.CaptionButtons = {Button(7, 100, 30)};
    Rect placed = Layout().Buttons[0].Bounds;
    EXPECT_EQ(placed.Left, 300 - 30 - 4 - 6);
    EXPECT_EQ(placed.Top, 24 + 2);
}

TEST(CaptionButtonAt, FindsTheLastVisibleButtonUnderThePoint) {
    // Maximise and close side by side; a hidden restore button over maximise;
    // a disabled help button overlapping close.
    std::vector<CaptionButtonLayout> buttons = {{{250, 4, 20, 18}, true, true},
                                                {{270, 4, 20, 18}, true, true},
                                                {{250, 4, 20, 18}, false, true},
                                                {{285, 4, 10, 18}, true, false}};
    struct Case {
        Point at;
        int button;
    } cases[] = {
        {{250, 4}, 0}, {{269, 21}, 0}, {{270, 10}, 1}, {{284, 10}, 1}, {{285, 10}, 3},
        {{294, 21}, 3}, {{295, 10}, -1}, {{260, 22}, -1}, {{249, 10}, -1}, {{260, 3}, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(CaptionButtonAt(buttons, c.at), c.button) << c.at.X << "," << c.at.Y;
    EXPECT_EQ(CaptionButtonAt({}, {260, 10}), -1);
}

}  // namespace
