#include <gtest/gtest.h>

#include "skin/frame/FrameStyle.h"

namespace {

constexpr uint32_t kOverlappedWindow = 0x00CF0000;  // caption, system menu, thick frame, both boxes
constexpr uint32_t kCaptionAndSystemMenu = 0x00C80000;

FrameFlags Read(uint32_t style, uint32_t exStyle = 0, const std::string& className = "TForm1") {
    return ReadFrameFlags({style, exStyle, className, true});
}

TEST(FrameStyle, OverlappedWindow_IsSizableWithAllBorderIcons) {
    FrameFlags flags = Read(kOverlappedWindow);
    EXPECT_EQ(flags.Border, BorderKind::Sizable);
    EXPECT_TRUE(flags.Sizable);
    EXPECT_TRUE(flags.SystemMenu);
    EXPECT_TRUE(flags.MinimiseBox);
    EXPECT_TRUE(flags.MaximiseBox);
    EXPECT_FALSE(flags.Child);
    EXPECT_FALSE(flags.RightToLeft);
    EXPECT_TRUE(flags.FrameworkForm);
}

TEST(FrameStyle, CaptionWithoutThickFrame_IsSingleWithOnlyItsIcons) {
    FrameFlags flags = Read(kCaptionAndSystemMenu | WindowStyleBits::MinimiseBox);
    EXPECT_EQ(flags.Border, BorderKind::Single);
    EXPECT_FALSE(flags.Sizable);
    EXPECT_TRUE(flags.MinimiseBox);
    EXPECT_FALSE(flags.MaximiseBox);
}

TEST(FrameStyle, WithoutBothCaptionBits_HasNoCaption) {
    EXPECT_EQ(Read(WindowStyleBits::Popup).Border, BorderKind::NoCaption);
    EXPECT_EQ(Read(WindowStyleBits::Popup | 0x00800000).Border, BorderKind::NoCaption);  // border only
    EXPECT_EQ(Read(WindowStyleBits::Popup | 0x00400000 | WindowStyleBits::ThickFrame).Border, BorderKind::NoCaption);
    // A dialog box without a title bar gets no skin caption either.
    EXPECT_EQ(Read(WindowStyleBits::Popup, 0, "#32770").Border, BorderKind::NoCaption);
}

TEST(FrameStyle, DialogKind_FromModalFrameStylesOrDialogClasses) {
    EXPECT_EQ(Read(kCaptionAndSystemMenu | WindowStyleBits::ModalFrame).Border, BorderKind::Dialog);
    EXPECT_EQ(Read(kCaptionAndSystemMenu, ExtendedStyleBits::DialogModalFrame).Border, BorderKind::Dialog);
    // Every window of the dialog classes, even a sizable one.
    FrameFlags box = Read(kOverlappedWindow, 0, "#32770");
    EXPECT_EQ(box.Border, BorderKind::Dialog);
    EXPECT_TRUE(box.StandardDialogClass);
    EXPECT_EQ(Read(kCaptionAndSystemMenu, 0, "TMessageForm").Border, BorderKind::Dialog);
    EXPECT_TRUE(Read(kCaptionAndSystemMenu, 0, "tmessageform").StandardDialogClass);
    FrameFlags form = Read(kCaptionAndSystemMenu | WindowStyleBits::ModalFrame);
    EXPECT_FALSE(form.StandardDialogClass);
}

TEST(FrameStyle, RightToLeftChildAndPopup_ComeFromTheirBits) {
    EXPECT_TRUE(Read(kCaptionAndSystemMenu, ExtendedStyleBits::LeftScrollBar).RightToLeft);
    EXPECT_FALSE(Read(kCaptionAndSystemMenu, 0x2000).RightToLeft);  // WS_EX_RTLREADING alone
    EXPECT_TRUE(Read(WindowStyleBits::Child | kCaptionAndSystemMenu).Child);
    EXPECT_TRUE(Read(WindowStyleBits::Popup | kCaptionAndSystemMenu).Popup);
    EXPECT_FALSE(ReadFrameFlags({kCaptionAndSystemMenu, 0, "#32770", false}).FrameworkForm);
}

TEST(FrameStyle, WindowState_FromShowCommandAndSizeKind) {
    for (int minimised : {2, 6, 7}) EXPECT_EQ(WindowStateFromShowCommand(minimised), WindowState::Minimised);
    EXPECT_EQ(WindowStateFromShowCommand(3), WindowState::Maximised);
    for (int normal : {0, 1, 4, 5, 8, 9, 10, -1}) EXPECT_EQ(WindowStateFromShowCommand(normal), WindowState::Normal);
    EXPECT_EQ(WindowStateFromSizeKind(0), WindowState::Normal);
    EXPECT_EQ(WindowStateFromSizeKind(1), WindowState::Minimised);
    EXPECT_EQ(WindowStateFromSizeKind(2), WindowState::Maximised);
    EXPECT_EQ(WindowStateFromSizeKind(4), WindowState::Normal);  // another window maximised
}

}  // namespace
