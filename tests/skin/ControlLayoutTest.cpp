// Where skinned group boxes and combo boxes draw their parts, and which
// states a combo box shows.
#include <gtest/gtest.h>

#include "skin/combobox/ComboBoxLayout.h"
#include "skin/groupbox/GroupBoxLayout.h"
#include "tests/skin/ExpectRect.h"

namespace {
void ExpectFrames(ComboFrames frames, int edge, int arrow) {
    EXPECT_EQ(frames.Edge, edge);
    EXPECT_EQ(frames.Arrow, arrow);
}
}  // namespace

TEST(GroupBoxLayoutTest, FrameStartsHalfATextHeightDownWithTheCaptionIndentedOnTop) {
    GroupBoxLayout layout = LayoutGroupBox({200, 100}, {40, 13}, 13, false);
    ExpectRect(layout.Frame, 0, 6, 200, 94);
    ExpectRect(layout.Caption, 8, 0, 40, 13);
    // What lies below the caption and inside the native border is left alone.
    ExpectRect(layout.Interior, 2, 13, 196, 85);
}

TEST(GroupBoxLayoutTest, ARightAlignedBoxCarriesItsCaptionAtTheRightEnd) {
    ExpectRect(LayoutGroupBox({200, 100}, {40, 13}, 13, true).Caption, 152, 0, 40, 13);
}

TEST(GroupBoxLayoutTest, WithoutACaptionOnlyTheFrameIsDrawn) {
    GroupBoxLayout layout = LayoutGroupBox({200, 100}, {0, 13}, 13, false);
    EXPECT_TRUE(layout.Caption.Empty());
    ExpectRect(layout.Interior, 2, 8, 196, 90);
}

TEST(GroupBoxLayoutTest, ABoxSmallerThanItsFontStaysInsideItself) {
    GroupBoxLayout layout = LayoutGroupBox({3, 4}, {40, 13}, 40, false);
    ExpectRect(layout.Frame, 0, 4, 3, 0);
    EXPECT_TRUE(layout.Interior.Empty());
    GroupBoxLayout empty = LayoutGroupBox({0, 0}, {0, 0}, 13, true);
    EXPECT_TRUE(empty.Frame.Empty());
    EXPECT_TRUE(empty.Interior.Empty());
}

TEST(ComboBoxFramesTest, TheEdgeAndTheArrowFollowTheBoxInTheirFourStates) {
    ExpectFrames(ComboBoxFrames({}), 1, 1);
    ExpectFrames(ComboBoxFrames({.Hot = true}), 2, 1);
    ExpectFrames(ComboBoxFrames({.Hot = true, .HotButton = true}), 2, 2);
    ExpectFrames(ComboBoxFrames({.Focused = true}), 3, 1);
    ExpectFrames(ComboBoxFrames({.Focused = true, .Hot = true, .HotButton = true}), 3, 2);
    ExpectFrames(ComboBoxFrames({.DroppedDown = true, .Hot = true, .HotButton = true}), 3, 3);
}

TEST(ComboBoxFramesTest, ADisabledBoxShowsTheDisabledStateWhateverTheMouseDoes) {
    ExpectFrames(ComboBoxFrames({.Enabled = false, .Focused = true, .DroppedDown = true, .Hot = true, .HotButton = true}),
                 4, 4);
}

TEST(ComboBoxPartsTest, TheButtonTakesTheRightEndInsideTheEdge) {
    ComboParts parts = ComboBoxParts({120, 22}, 17);
    ExpectRect(parts.Item, 2, 2, 99, 18);
    ExpectRect(parts.Button, 101, 2, 17, 18);
}

TEST(ComboBoxPartsTest, ABoxNarrowerThanItsButtonGivesEmptyPartsInsideIt) {
    ComboParts parts = ComboBoxParts({10, 3}, 17);
    EXPECT_TRUE(parts.Item.Empty());
    EXPECT_TRUE(parts.Button.Empty());
    EXPECT_GE(parts.Button.Left, 0);
}

TEST(DatePickerButtonTest, TheButtonTakesTheRightEndTheWholeHeight) {
    ExpectRect(DatePickerButton({136, 18}, 17), 119, 0, 17, 18);
}

TEST(DatePickerButtonTest, APickerNarrowerThanItsButtonIsAllButton) {
    ExpectRect(DatePickerButton({10, 18}, 17), 0, 0, 10, 18);
    ExpectRect(DatePickerButton({0, 0}, 17), 0, 0, 0, 0);
    ExpectRect(DatePickerButton({40, 18}, -5), 40, 0, 0, 18);
}
