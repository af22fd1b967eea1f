#include <gtest/gtest.h>

#include "skin/control/StateTextColour.h"
#include "skin/list/HeaderLayout.h"
#include "tests/skin/ExpectRect.h"

namespace {

// Three columns of 90, 80 and 80 pixels, as the header places them.
HeaderStrip ThreeColumns() { return {.Items = {{0, 0, 90, 18}, {90, 0, 80, 18}, {170, 0, 80, 18}}}; }

TEST(HeaderLayout, SectionsTakeTheHeadersHeightAndTheFillerTheRest) {
    std::vector<HeaderSection> sections = LayOutHeader(300, 20, ThreeColumns());
    ASSERT_EQ(sections.size(), 4);
    ExpectRect(sections[0].Area, 0, 0, 90, 20);
    ExpectRect(sections[2].Area, 170, 0, 80, 20);
    EXPECT_EQ(sections[3].Index, kHeaderFiller);
    ExpectRect(sections[3].Area, 250, 0, 50, 20);
}

TEST(HeaderLayout, AHeaderNarrowerThanItsColumnsCutsThemAndHasNoFiller) {
    std::vector<HeaderSection> sections = LayOutHeader(120, 20, ThreeColumns());
    ASSERT_EQ(sections.size(), 2);
    ExpectRect(sections[1].Area, 90, 0, 30, 20);
}

TEST(HeaderLayout, AColumnScrolledOutOfSightIsNotDrawn) {
    HeaderStrip strip = ThreeColumns();
    for (Rect& item : strip.Items) item.Left -= 100;
    std::vector<HeaderSection> sections = LayOutHeader(200, 20, strip);
    ASSERT_EQ(sections.size(), 3);
    EXPECT_EQ(sections[0].Index, 1);
    ExpectRect(sections[0].Area, 0, 0, 70, 20);
    ExpectRect(sections[2].Area, 150, 0, 50, 20);
}

TEST(HeaderLayout, AnEmptyHeaderIsAllFiller) {
    std::vector<HeaderSection> sections = LayOutHeader(100, 20, {});
    ASSERT_EQ(sections.size(), 1);
    ExpectRect(sections[0].Area, 0, 0, 100, 20);
    EXPECT_TRUE(LayOutHeader(100, 0, ThreeColumns()).empty());
}

TEST(HeaderFrame, PressedBeatsHotWhichBeatsSorted) {
    HeaderStrip strip = ThreeColumns();
    strip.Sorted = 0;
    EXPECT_EQ(HeaderFrame(strip, 0), 5);
    strip.Hot = 0;
    EXPECT_EQ(HeaderFrame(strip, 0), 4);
    strip.Pressed = 0;
    EXPECT_EQ(HeaderFrame(strip, 0), 2);
    EXPECT_EQ(HeaderFrame(strip, 1), 1);
    EXPECT_EQ(HeaderFrame(strip, kHeaderFiller), 1);
}

TEST(HeaderFrame, ADisabledHeaderShowsEverySectionDisabled) {
    HeaderStrip strip = ThreeColumns();
    strip.Enabled = false;
    strip.Hot = 1;
    for (int index : {0, 1, 2, kHeaderFiller}) EXPECT_EQ(HeaderFrame(strip, index), 3);
}

TEST(StateTextColour, EachStateTakesItsElementsColour) {
    TSkinElement element;
    element.NormalTextColour = 1;
    element.PressedTextColour = 2;
    element.MouseOverTextColour = 4;
    EXPECT_EQ(StateTextColour(element, 1, 3), 1);
    EXPECT_EQ(StateTextColour(element, 2, 3), 2);
    EXPECT_EQ(StateTextColour(element, 3, 3), 3);
    EXPECT_EQ(StateTextColour(element, 4, 3), 4);
    EXPECT_EQ(StateTextColour(element, 5, 3), 2);
}

}  // namespace
