#include <gtest/gtest.h>

#include <climits>

#include "skin/frame/CaptionButtons.h"

namespace {

TSkinSysButtonElement Button(int action, int align = 0, int xCoord = 0, int yCoord = 0) {
    TSkinSysButtonElement button;
    button.Action = action;
    button.Align = align;
    button.XCoord = xCoord;
    button.YCoord = yCoord;
    button.Image = PixelBuffer(60, 18);
    button.FrameCount = 3;
    return button;
}

FrameFlags NormalWindow() {
    FrameFlags flags;
    flags.SystemMenu = flags.MinimiseBox = flags.MaximiseBox = true;
    flags.Border = BorderKind::Sizable;
    return flags;
}

class CaptionButtonsTest : public ::testing::Test {
protected:
    CaptionButtonsTest() { window.Flags = NormalWindow(); }

    bool Shows(int code, VisibilityKey key = VisibilityKey::Visibility) const {
        return VisibilityCodeShows(code, key, 0, window);
    }

    CaptionButtonWindow window;
};

TEST(CaptionButtonSize, IsOneFrameOfTheImage) {
    Size size = CaptionButtonSize(Button(0));
    EXPECT_EQ(size.Width, 20);
    EXPECT_EQ(size.Height, 18);
    TSkinSysButtonElement odd = Button(0);
    odd.FrameCount = 0;
    EXPECT_EQ(CaptionButtonSize(odd).Width, 60);
}

TEST(CaptionButtonPlace, ByAlign) {
    CaptionButtonPlace place;
    place.WindowWidth = 300;
    place.Text = {40, 5, 100, 14};
    place.RightBorder = 4;
    place.MenuBar = {4, 24, 292, 19};
    place.MenuBarRightWidth = 3;
    auto at = [&](int align) { return PlaceCaptionButton(Button(0, align, 30, 2), place); };
    EXPECT_EQ(at(0).Left, 30);
    EXPECT_EQ(at(0).Top, 2);
    EXPECT_EQ(at(0).Width, 20);
    EXPECT_EQ(at(1).Left, 270);
    EXPECT_EQ(at(2).Left, 40 - 20 - 30);
    EXPECT_EQ(at(8).Left, 40 - 20 - 30);
    EXPECT_EQ(at(3).Left, 140 + 30);
    EXPECT_EQ(at(9).Left, 140 + 30);
    EXPECT_EQ(at(9).Top, 2);
    EXPECT_EQ(at(100).Left, 300 - 30 - 4 - 3);
    EXPECT_EQ(at(100).Top, 24 + (19 - 18) / 2);
    EXPECT_EQ(at(55).Left, 30);  // unknown: from the top left
}

TEST(CaptionButtonPlace, HugeCoordinates_StayWithinLimits) {
    CaptionButtonPlace place;
    place.WindowWidth = 300;
    place.Text = {40, 5, 100, 14};
    for (int value : {INT_MAX, INT_MIN})
        for (int align : {0, 1, 2, 3, 100}) {
            Rect rect = PlaceCaptionButton(Button(0, align, value, value), place);
            EXPECT_LE(std::abs(int64_t(rect.Left)), kFrameCoordinateLimit);
            EXPECT_LE(std::abs(int64_t(rect.Top)), kFrameCoordinateLimit);
        }
}

TEST_F(CaptionButtonsTest, VisibilityCodes_ShowAlwaysOrByWindowState) {
    for (int always : {0, -1, 201, 500, 999}) EXPECT_TRUE(Shows(always)) << always;
    for (int never : {-2, 5, 10, 99, 101, 199, 2001, 3000}) EXPECT_FALSE(Shows(never)) << never;
    EXPECT_FALSE(Shows(1));
    EXPECT_TRUE(Shows(2));
    window.State = WindowState::Maximised;
    EXPECT_TRUE(Shows(1));
    EXPECT_FALSE(Shows(2));
    EXPECT_FALSE(Shows(3));
    EXPECT_TRUE(Shows(4));
    window.Active = true;
    EXPECT_TRUE(Shows(3));
    EXPECT_FALSE(Shows(4));
}

TEST_F(CaptionButtonsTest, VisibilityCodes_ByBorderIcons) {
    EXPECT_TRUE(Shows(6));
    EXPECT_TRUE(Shows(8));
    EXPECT_FALSE(Shows(7));
    EXPECT_FALSE(Shows(9));
    window.Flags.MaximiseBox = false;
    EXPECT_TRUE(Shows(6));  // a minimise box is enough
    EXPECT_TRUE(Shows(7));
    EXPECT_FALSE(Shows(9));
    window.Flags.MinimiseBox = false;
    EXPECT_FALSE(Shows(6));
    EXPECT_FALSE(Shows(8));
    EXPECT_TRUE(Shows(9));
    window.Flags.MinimiseBox = true;
    window.Flags.SystemMenu = false;
    EXPECT_FALSE(Shows(6));
    EXPECT_FALSE(Shows(8));
}

TEST_F(CaptionButtonsTest, VisibilityCodes_DialogOfTheProgramAndNoMdi) {
    EXPECT_FALSE(Shows(200));
    window.Flags.Border = BorderKind::Dialog;
    EXPECT_TRUE(Shows(200));
    window.Flags.StandardDialogClass = true;  // a message box
    EXPECT_FALSE(Shows(200));
    // 100 needs a maximised MDI child, which this program never has.
    window.State = WindowState::Maximised;
    EXPECT_FALSE(Shows(100));
}

TEST_F(CaptionButtonsTest, SecondVisibility_HidesMinusOneAndNeedsOnlyABox) {
    EXPECT_FALSE(Shows(-1, VisibilityKey::Visibility1));
    EXPECT_FALSE(Shows(5, VisibilityKey::Visibility1));
    EXPECT_TRUE(Shows(0, VisibilityKey::Visibility1));
    window.Flags.SystemMenu = false;
    EXPECT_TRUE(Shows(6, VisibilityKey::Visibility1));
    EXPECT_TRUE(Shows(8, VisibilityKey::Visibility1));
    EXPECT_FALSE(Shows(6));
    window.Flags.MinimiseBox = window.Flags.MaximiseBox = false;
    EXPECT_FALSE(Shows(6, VisibilityKey::Visibility1));
}

TEST_F(CaptionButtonsTest, CodesFrom1000To2000_AskTheWindow) {
    std::vector<std::pair<int, int>> asked;
    window.AskWindow = [&](int code, int action) {
        asked.push_back({code, action});
        return code == 1500 ? 1 : 0;
    };
    EXPECT_TRUE(VisibilityCodeShows(1500, VisibilityKey::Visibility, 42, window));
    EXPECT_FALSE(VisibilityCodeShows(1000, VisibilityKey::Visibility1, 42, window));
    EXPECT_FALSE(VisibilityCodeShows(2001, VisibilityKey::Visibility, 42, window));
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0], (std::pair<int, int>{1500, 42}));
    EXPECT_EQ(asked[1], (std::pair<int, int>{1000, 42}));
    window.AskWindow = nullptr;  // nobody to ask
    EXPECT_FALSE(VisibilityCodeShows(1500, VisibilityKey::Visibility, 42, window));
}

TEST_F(CaptionButtonsTest, Availability_NeedsBothCodesThenTheActionRules) {
    TSkinSysButtonElement close = Button(0);
    EXPECT_TRUE(CaptionButtonAvailabilityFor(close, window).Visible);
    close.Visibility1 = 3;  // only while active
    EXPECT_FALSE(CaptionButtonAvailabilityFor(close, window).Visible);
    close.Visibility1 = 0;
    window.Flags.SystemMenu = false;
    EXPECT_FALSE(CaptionButtonAvailabilityFor(close, window).Visible);

    window.Flags = NormalWindow();
    window.Flags.MaximiseBox = false;
    CaptionButtonAvailability maximise = CaptionButtonAvailabilityFor(Button(1), window);
    EXPECT_TRUE(maximise.Visible);
    EXPECT_FALSE(maximise.Enabled);
    EXPECT_TRUE(CaptionButtonAvailabilityFor(Button(2), window).Enabled);
    window.Flags.MaximiseBox = true;
    window.Flags.SystemMenu = false;
    EXPECT_FALSE(CaptionButtonAvailabilityFor(Button(1), window).Enabled);
    EXPECT_FALSE(CaptionButtonAvailabilityFor(Button(2), window).Enabled);
    EXPECT_TRUE(CaptionButtonAvailabilityFor(Button(22), window).Enabled);

    window.Flags = NormalWindow();
    for (int icon : {3, 11, 12}) EXPECT_TRUE(CaptionButtonAvailabilityFor(Button(icon), window).Visible);
    window.Flags.Border = BorderKind::Dialog;
    for (int icon : {3, 11, 12}) EXPECT_FALSE(CaptionButtonAvailabilityFor(Button(icon), window).Visible);
}

TEST(CaptionButtonFrame, StateDisabledAndVisibility100) {
    using enum CaptionButtonState;
    struct Case {
        int frames, visibility;
        CaptionButtonState state;
        bool enabled;
        int frame;
    } cases[] = {
        {3, 0, Normal, true, 1},   {3, 0, Pressed, true, 2}, {3, 0, Hot, true, 3},
        {3, 0, Pressed, false, 1},  // three frames: no disabled one
        {6, 0, Pressed, false, 4}, {6, 100, Hot, true, 4},  {6, 100, Pressed, true, 2},
    };
    for (const Case& c : cases) {
        TSkinSysButtonElement button = Button(0);
        button.FrameCount = c.frames;
        button.Visibility = c.visibility;
        EXPECT_EQ(CaptionButtonFrame(button, c.state, c.enabled), c.frame)
            << c.frames << " frames, visibility " << c.visibility << ", state " << int(c.state);
    }
}

TEST(CaptionButtonIcon, OnlyActions3And11DrawTheWindowIcon) {
    EXPECT_TRUE(DrawsWindowIcon(Button(3)));
    EXPECT_TRUE(DrawsWindowIcon(Button(11)));
    EXPECT_FALSE(DrawsWindowIcon(Button(12)));
    EXPECT_FALSE(DrawsWindowIcon(Button(0)));
}

TEST(CaptionButtonClick, ActionsMapToCommands) {
    auto click = [](int action, bool enabled = true, WindowState state = WindowState::Normal, bool canClose = true) {
        return CaptionButtonClick(Button(action), enabled, state, canClose);
    };
    EXPECT_EQ(click(0).Kind, CaptionCommandKind::Close);
    EXPECT_EQ(click(0, true, WindowState::Normal, false).Kind, CaptionCommandKind::Nothing);
    for (int maximise : {1, 22}) {
        EXPECT_EQ(click(maximise).Kind, CaptionCommandKind::Maximise);
        EXPECT_EQ(click(maximise, true, WindowState::Maximised).Kind, CaptionCommandKind::Restore);
        EXPECT_EQ(click(maximise, false).Kind, CaptionCommandKind::Nothing);
    }
    for (int minimise : {2, 23}) {
        EXPECT_EQ(click(minimise).Kind, CaptionCommandKind::Minimise);
        EXPECT_EQ(click(minimise, true, WindowState::Minimised).Kind, CaptionCommandKind::Restore);
        EXPECT_EQ(click(minimise, true, WindowState::Maximised).Kind, CaptionCommandKind::Minimise);
        EXPECT_EQ(click(minimise, false).Kind, CaptionCommandKind::Nothing);
    }
    for (int icon : {3, 11, 12}) EXPECT_EQ(click(icon).Kind, CaptionCommandKind::SystemMenu);
    CaptionCommand other = click(40);
    EXPECT_EQ(other.Kind, CaptionCommandKind::PostAction);
    EXPECT_EQ(other.Action, 40);
}

}  // namespace
