#include <gtest/gtest.h>

#include <climits>

#include "skin/menu/MenuItemLayout.h"
#include "tests/skin/ExpectRect.h"

namespace {

// The MenuItem element: five 20-pixel states, left width 6.
TSkinElement MenuItemElement(int leftWidth = 6) {
    TSkinElement element;
    element.Image = PixelBuffer(100, 20);
    element.FrameCount = 5;
    element.LeftWidth = leftWidth;
    return element;
}

Size Measure(MenuKind kind, int width, int height, bool images, bool separator, const TSkinElement* element) {
    return MeasureMenuItem({kind, width, height, images, separator}, element);
}

TEST(MenuItemMeasure, PopupMenuItems_WidenTheFrameworkMeasurement) {
    TSkinElement element = MenuItemElement();
    EXPECT_EQ(Measure(MenuKind::PopupMenu, 80, 19, true, false, &element).Width, 80 + 12 + 6);
    EXPECT_EQ(Measure(MenuKind::PopupMenu, 80, 19, false, false, &element).Width, 80 + 12 + 23 + 6);
    EXPECT_EQ(Measure(MenuKind::PopupMenu, 80, 19, true, false, &element).Height, 19);
    EXPECT_EQ(Measure(MenuKind::PopupMenu, 80, 19, true, false, nullptr).Width, 80 + 12);
}

TEST(MenuItemMeasure, MainMenuSubmenuItems_WidenByTheirOwnAmounts) {
    TSkinElement element = MenuItemElement();
    EXPECT_EQ(Measure(MenuKind::MainMenuSubmenu, 80, 19, true, false, &element).Width, 80 + 10 + 6);
    EXPECT_EQ(Measure(MenuKind::MainMenuSubmenu, 80, 19, false, false, &element).Width, 80 + 10 + 25 + 6);
    EXPECT_EQ(Measure(MenuKind::MainMenuSubmenu, 80, 19, false, true, &element).Height, 19);
}

TEST(MenuItemMeasure, NativeMenuItems_AreCaptionPlus26AndFourHigher) {
    TSkinElement element = MenuItemElement();
    Size item = Measure(MenuKind::NativeMenu, 70, 15, false, false, &element);
    EXPECT_EQ(item.Width, 70 + 26 + 6);
    EXPECT_EQ(item.Height, 19);
    Size separator = Measure(MenuKind::NativeMenu, 0, 15, false, true, &element);
    EXPECT_EQ(separator.Height, 8);
    EXPECT_EQ(separator.Width, 26 + 6);
}

TEST(MenuItemMeasure, StrayLeftWidths_AreHeldToOneStateOfTheImage) {
    TSkinElement huge = MenuItemElement(INT_MAX);
    EXPECT_EQ(MenuItemLeftWidth(&huge), 20);
    EXPECT_EQ(Measure(MenuKind::PopupMenu, 80, 19, true, false, &huge).Width, 80 + 12 + 20);
    TSkinElement negative = MenuItemElement(INT_MIN);
    EXPECT_EQ(MenuItemLeftWidth(&negative), 0);
    TSkinElement imageless = MenuItemElement(6);
    imageless.Image = PixelBuffer();
    EXPECT_EQ(MenuItemLeftWidth(&imageless), 0);
    EXPECT_EQ(Measure(MenuKind::NativeMenu, INT_MAX, INT_MAX, false, false, &huge).Width, kFrameCoordinateLimit);
    EXPECT_EQ(Measure(MenuKind::PopupMenu, INT_MIN, INT_MIN, false, false, &huge).Height, 0);
}

TEST(MenuItemGeometry, GlyphSquareThenCaptionThenShortcut) {
    MenuItemGeometry geometry = LayoutMenuItem({0, 40, 150, 22}, 6, 16, false, false);
    ExpectRect(geometry.Glyph, 7, 41, 16, 16);
    ExpectRect(geometry.CaptionRect, 26, 40, 124, 22);
    // Right-aligned shortcut text ends 10 pixels before the right edge.
    ExpectRect(geometry.ShortcutRect, 26, 40, 114, 22);
}

TEST(MenuItemGeometry, GlyphSquare_FollowsTheImageListAndIsAtLeast16WhenChecked) {
    EXPECT_EQ(LayoutMenuItem({0, 0, 150, 22}, 0, 0, false, false).Glyph.Width, 16);  // no image list
    EXPECT_EQ(LayoutMenuItem({0, 0, 150, 22}, 0, 20, false, false).Glyph.Width, 20);
    EXPECT_EQ(LayoutMenuItem({0, 0, 150, 22}, 0, 12, false, false).Glyph.Width, 12);
    EXPECT_EQ(LayoutMenuItem({0, 0, 150, 22}, 0, 12, true, false).Glyph.Width, 16);
    EXPECT_EQ(LayoutMenuItem({0, 0, 150, 22}, 0, 12, false, false).CaptionRect.Left, 1 + 12 + 3);
}

// The built skin's strip is 27 wide and the items start 3 in: its right
// edge lies 24 into an item, past where the caption would start (22).
TEST(MenuItemGeometry, TheCaptionStartsPastTheBackgroundsStrip_TheGlyphStaysInside) {
    MenuItemGeometry past = LayoutMenuItem({0, 0, 150, 22}, 2, 16, false, false, 24);
    ExpectRect(past.Glyph, 3, 1, 16, 16);
    EXPECT_EQ(past.CaptionRect.Left, 24 + 4);
    EXPECT_EQ(past.ShortcutRect.Left, 24 + 4);
    EXPECT_EQ(LayoutMenuItem({0, 0, 150, 22}, 2, 16, false, false, 10).CaptionRect.Left, 22);
    // The item widens by as much as its caption moves.
    TSkinElement element = MenuItemElement(2);
    EXPECT_EQ(MeasureMenuItem({MenuKind::PopupMenu, 80, 19, true, false, 24}, &element).Width, 80 + 12 + 2 + 6);
    EXPECT_EQ(MeasureMenuItem({MenuKind::PopupMenu, 80, 19, true, false, 10}, &element).Width, 80 + 12 + 2);
}

TEST(MenuItemGeometry, RightToLeft_IsTheMirrorImage) {
    MenuItemGeometry geometry = LayoutMenuItem({10, 40, 150, 22}, 6, 16, false, true);
    ExpectRect(geometry.Glyph, 160 - 7 - 16, 41, 16, 16);
    ExpectRect(geometry.CaptionRect, 10, 40, 124, 22);
    ExpectRect(geometry.ShortcutRect, 20, 40, 114, 22);
}

TEST(MenuItemGeometry, NarrowItemOrHugeMargin_NeverGivesNegativeSizes) {
    MenuItemGeometry geometry = LayoutMenuItem({0, 0, 20, 10}, INT_MAX, INT_MAX, true, false);
    for (Rect part : {geometry.Glyph, geometry.CaptionRect, geometry.ShortcutRect}) {
        EXPECT_GE(part.Width, 0);
        EXPECT_GE(part.Height, 0);
        EXPECT_LE(part.Width, kFrameCoordinateLimit);
        EXPECT_LE(std::abs(int64_t(part.Left)), kFrameCoordinateLimit);
    }
}

}  // namespace
