// The media player's buttons: which show, where each sits, and their glyphs.
#include <gtest/gtest.h>

#include "gui/MediaPlayerButtons.h"

namespace {
using enum TMPBtnType;

TEST(MediaPlayerCells, VisibleButtonsShareTheWidthInButtonOrder) {
    std::vector<TMPButtonCell> cells = MediaPlayerCells(90, {btEject, btPlay, btStop});
    EXPECT_EQ(cells, (std::vector<TMPButtonCell>{{btPlay, 0, 30}, {btStop, 30, 30}, {btEject, 60, 30}}));
}

TEST(MediaPlayerCells, PixelsLeftOverGoToTheFirstButtonsAndNoneIsLost) {
    std::vector<TMPButtonCell> cells = MediaPlayerCells(101, TButtonSet::All());
    ASSERT_EQ(cells.size(), 9u);
    EXPECT_EQ(cells[0].Width, 12);
    EXPECT_EQ(cells[1].Width, 12);
    EXPECT_EQ(cells[2].Width, 11);
    EXPECT_EQ(cells.back().Left + cells.back().Width, 101);
    for (size_t i = 1; i < cells.size(); ++i) EXPECT_EQ(cells[i].Left, cells[i - 1].Left + cells[i - 1].Width);
}

TEST(MediaPlayerCells, NoVisibleButtonOrNoWidthGivesNoCells) {
    EXPECT_TRUE(MediaPlayerCells(100, {}).empty());
    EXPECT_TRUE(MediaPlayerCells(0, TButtonSet::All()).empty());
    EXPECT_TRUE(MediaPlayerCells(-5, TButtonSet::All()).empty());
}

TEST(MediaPlayerCells, ANarrowPlayerGivesSomeButtonsNoWidth_AndThoseAreNeverHit) {
    std::vector<TMPButtonCell> cells = MediaPlayerCells(3, TButtonSet::All());
    ASSERT_EQ(cells.size(), 9u);
    EXPECT_EQ(cells[3].Width, 0);
    EXPECT_EQ(MediaPlayerButtonAt(cells, 2), int(btStop));
    EXPECT_EQ(MediaPlayerButtonAt(cells, 3), -1);
}

TEST(MediaPlayerButtonAt, FindsTheCellUnderThePointAndNothingOutside) {
    std::vector<TMPButtonCell> cells = MediaPlayerCells(60, {btPlay, btPause});
    EXPECT_EQ(MediaPlayerButtonAt(cells, 0), int(btPlay));
    EXPECT_EQ(MediaPlayerButtonAt(cells, 29), int(btPlay));
    EXPECT_EQ(MediaPlayerButtonAt(cells, 30), int(btPause));
    EXPECT_EQ(MediaPlayerButtonAt(cells, -1), -1);
    EXPECT_EQ(MediaPlayerButtonAt(cells, 60), -1);
}

TEST(MediaPlayerGlyph, EveryButtonHasAFullGlyphOfItsOwn) {
    for (int i = 0; i < kMediaPlayerButtonCount; ++i) {
        std::string_view glyph = MediaPlayerGlyph(TMPBtnType(i));
        EXPECT_EQ(glyph.size(), size_t(kGlyphWidth * kGlyphHeight)) << i;
        EXPECT_NE(glyph.find('#'), std::string_view::npos) << i;
        for (int j = 0; j < i; ++j) EXPECT_NE(glyph, MediaPlayerGlyph(TMPBtnType(j))) << i << " " << j;
    }
}

}  // namespace
