#include <gtest/gtest.h>

#include "skin/tab/TabSheetLayout.h"
#include "tests/skin/ExpectRect.h"

namespace {

// The pane of a 200 x 100 control below a row 20 pixels high.
const Rect kPane = {0, 20, 200, 80};

TEST(TabSheetLayout, APageInsideThePaneSeesThePaneShiftedByItsOwnPlace) {
    std::optional<Rect> seen = PaneSeenFromPage(kPane, {4, 24, 192, 72});
    ASSERT_TRUE(seen);
    ExpectRect(*seen, -4, -4, 200, 80);
}

TEST(TabSheetLayout, APageOverlappingThePaneEdgeStillSeesIt) {
    std::optional<Rect> seen = PaneSeenFromPage(kPane, {150, 10, 100, 20});
    ASSERT_TRUE(seen);
    ExpectRect(*seen, -150, 10, 200, 80);
}

TEST(TabSheetLayout, NoPaneOrAPageOutsideItSeesNothing) {
    EXPECT_FALSE(PaneSeenFromPage({}, {4, 24, 192, 72}));      // button-style tabs
    EXPECT_FALSE(PaneSeenFromPage(kPane, {4, 0, 192, 20}));    // in the tab row only
    EXPECT_FALSE(PaneSeenFromPage(kPane, {200, 24, 10, 10}));  // right of it
    EXPECT_FALSE(PaneSeenFromPage(kPane, {4, 24, 0, 72}));     // a page of no width
}

}  // namespace
