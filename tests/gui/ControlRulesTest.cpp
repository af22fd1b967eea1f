// The Win32-free rules of the standard controls: ranges, button glyphs,
// speed button groups, status panels.
#include <gtest/gtest.h>

#include "base/ButtonGlyph.h"
#include "gui/ControlRange.h"
#include "gui/SpeedButtonDown.h"
#include "gui/StatusPanels.h"

namespace {

// --- Ranges ---

TEST(ControlRange, LimitsTheWrongWayRound_AreSwapped) {
    EXPECT_EQ(OrderedRange(20, 10), (TRange{10, 20}));
    EXPECT_EQ(OrderedRange(3, 3), (TRange{3, 3}));
    EXPECT_EQ(OrderedRange(-5, -10), (TRange{-10, -5}));
}

// --- Glyph cells ---

TEST(ButtonGlyph, EachStateHasItsOwnCellWhenTheGlyphHasFour) {
    EXPECT_EQ(GlyphCellFor(TButtonState::Up, 4), (TGlyphCell{0, false}));
    EXPECT_EQ(GlyphCellFor(TButtonState::Disabled, 4), (TGlyphCell{1, false}));
    EXPECT_EQ(GlyphCellFor(TButtonState::Down, 4), (TGlyphCell{2, false}));
    EXPECT_EQ(GlyphCellFor(TButtonState::Exclusive, 4), (TGlyphCell{3, false}));
}

TEST(ButtonGlyph, StatesWithoutACell_FallBack) {
    // Stays down without a fourth cell: the pressed cell.
    EXPECT_EQ(GlyphCellFor(TButtonState::Exclusive, 3), (TGlyphCell{2, false}));
    // Pressed without a third cell: the up cell, and so does stays-down.
    EXPECT_EQ(GlyphCellFor(TButtonState::Down, 2), (TGlyphCell{0, false}));
    EXPECT_EQ(GlyphCellFor(TButtonState::Exclusive, 2), (TGlyphCell{0, false}));
    // Disabled without a second cell: the up cell, greyed.
    EXPECT_EQ(GlyphCellFor(TButtonState::Disabled, 1), (TGlyphCell{0, true}));
    EXPECT_EQ(GlyphCellFor(TButtonState::Disabled, 2), (TGlyphCell{1, false}));
}

TEST(ButtonGlyph, OddGlyphCounts_AreTakenAsTheNearestOfOneToFour) {
    EXPECT_EQ(ClampNumGlyphs(0), 1);
    EXPECT_EQ(ClampNumGlyphs(-3), 1);
    EXPECT_EQ(ClampNumGlyphs(9), 4);
    EXPECT_EQ(GlyphCellFor(TButtonState::Exclusive, 9), (TGlyphCell{3, false}));
    EXPECT_EQ(GlyphCellFor(TButtonState::Disabled, 0), (TGlyphCell{0, true}));
}

// --- Glyph and caption placement ---

const TExtent kFace{100, 30}, kGlyph{16, 16}, kCaption{40, 14};

TEST(ButtonGlyph, GlyphLeftWithMarginAndSpacing_StartsAtTheMargin) {
    TGlyphPlacement placed = PlaceGlyphAndCaption(kFace, kGlyph, kCaption, {TButtonLayout::GlyphLeft, 5, 4});
    EXPECT_EQ(placed, (TGlyphPlacement{{5, 7}, {25, 8}}));
}

TEST(ButtonGlyph, GlyphRight_MirrorsFromTheRightEdge) {
    TGlyphPlacement placed = PlaceGlyphAndCaption(kFace, kGlyph, kCaption, {TButtonLayout::GlyphRight, 5, 4});
    EXPECT_EQ(placed, (TGlyphPlacement{{79, 7}, {35, 8}}));
}

TEST(ButtonGlyph, GlyphTopAndBottom_StackAndCentreAcross) {
    TExtent face{60, 60};
    EXPECT_EQ(PlaceGlyphAndCaption(face, kGlyph, kCaption, {TButtonLayout::GlyphTop, 3, 2}),
              (TGlyphPlacement{{22, 3}, {10, 21}}));
    EXPECT_EQ(PlaceGlyphAndCaption(face, kGlyph, kCaption, {TButtonLayout::GlyphBottom, 3, 2}),
              (TGlyphPlacement{{22, 41}, {10, 25}}));
}

TEST(ButtonGlyph, MarginMinusOne_CentresGlyphAndCaptionTogether) {
    // 16 + 4 + 40 = 60 pixels in 100: 20 on either side.
    TGlyphPlacement placed = PlaceGlyphAndCaption(kFace, kGlyph, kCaption, {TButtonLayout::GlyphLeft, -1, 4});
    EXPECT_EQ(placed.Glyph.X, 20);
    EXPECT_EQ(placed.Caption.X, 40);
}

TEST(ButtonGlyph, SpacingMinusOne_CentresTheCaptionInTheRoomLeft) {
    // After 5 + 16 there are 79 pixels; the caption's 40 leave 39, 19 before it.
    TGlyphPlacement placed = PlaceGlyphAndCaption(kFace, kGlyph, kCaption, {TButtonLayout::GlyphLeft, 5, -1});
    EXPECT_EQ(placed.Glyph.X, 5);
    EXPECT_EQ(placed.Caption.X, 40);
}

TEST(ButtonGlyph, BothMinusOne_SpreadEdgesGlyphAndCaptionEvenly) {
    // 100 - 16 - 40 = 44 pixels in three gaps of 14.
    TGlyphPlacement placed = PlaceGlyphAndCaption(kFace, kGlyph, kCaption, {TButtonLayout::GlyphLeft, -1, -1});
    EXPECT_EQ(placed.Glyph.X, 14);
    EXPECT_EQ(placed.Caption.X, 44);
}

TEST(ButtonGlyph, WithoutGlyphOrCaption_NoSpacingIsTaken) {
    TGlyphPlacement captionOnly = PlaceGlyphAndCaption(kFace, {}, kCaption, {TButtonLayout::GlyphLeft, -1, 4});
    EXPECT_EQ(captionOnly.Caption.X, 30);
    TGlyphPlacement glyphOnly = PlaceGlyphAndCaption(kFace, kGlyph, {0, 14}, {TButtonLayout::GlyphLeft, -1, 4});
    EXPECT_EQ(glyphOnly.Glyph.X, 42);
}

TEST(ButtonGlyph, FaceTooSmall_StartsAtTheEdgeRatherThanOutside) {
    TGlyphPlacement placed = PlaceGlyphAndCaption({30, 10}, kGlyph, kCaption, {TButtonLayout::GlyphLeft, -1, -1});
    EXPECT_EQ(placed.Glyph.X, 0);
    EXPECT_EQ(placed.Caption.X, 16);
}

// --- Speed button groups ---

TEST(SpeedButtonDown, ButtonOutsideAGroup_SpringsBack) {
    EXPECT_FALSE(DownAfterClick(false, 0, false));
    EXPECT_FALSE(DownAfterClick(true, 0, true));
}

TEST(SpeedButtonDown, GroupedButton_StaysDownUnlessAllMayBeUp) {
    EXPECT_TRUE(DownAfterClick(false, 1, false));
    EXPECT_TRUE(DownAfterClick(true, 1, false));
    EXPECT_TRUE(DownAfterClick(false, 1, true));
    EXPECT_FALSE(DownAfterClick(true, 1, true));
}

TEST(SpeedButtonDown, OnlyButtonsOfTheSameGroupComeUp) {
    EXPECT_TRUE(RaisedByGroupmate(2, 2));
    EXPECT_FALSE(RaisedByGroupmate(2, 3));
    EXPECT_FALSE(RaisedByGroupmate(0, 0));
}

// --- Status panels ---

TEST(StatusPanels, RightEdgesAddUpAndTheLastPanelRunsToTheEnd) {
    EXPECT_EQ(PanelRightEdges({50, 80, 30}), (std::vector<int>{50, 130, -1}));
    EXPECT_EQ(PanelRightEdges({50}), (std::vector<int>{-1}));
    EXPECT_TRUE(PanelRightEdges({}).empty());
}

TEST(StatusPanels, NegativeWidth_CountsAsNone) {
    EXPECT_EQ(PanelRightEdges({50, -20, 30, 10}), (std::vector<int>{50, 50, 80, -1}));
}

}  // namespace
