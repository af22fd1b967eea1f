#include <gtest/gtest.h>

#include "skin/trackbar/TrackThumb.h"
#include "tests/skin/ExpectRect.h"

namespace {

// A level channel 111 pixels long; an 11 x 20 thumb has 100 pixels to travel.
const Rect kChannel{8, 10, 111, 4};

Rect Thumb(int position, int min = 0, int max = 100) {
    return PlaceTrackThumb(kChannel, 12, 11, 20, {min, max, position});
}

TEST(TrackThumb, TravelsTheChannelFromEndToEnd) {
    ExpectRect(Thumb(0), 8, 2, 11, 20);
    ExpectRect(Thumb(100), 108, 2, 11, 20);
    EXPECT_EQ(Thumb(30).Left, 38);
    EXPECT_EQ(Thumb(3, 0, 10).Left, 38);
}

TEST(TrackThumb, APositionOutsideTheRangeCountsAsItsNearestEnd) {
    EXPECT_EQ(Thumb(-5).Left, 8);
    EXPECT_EQ(Thumb(500).Left, 108);
    EXPECT_EQ(Thumb(2000000000, -2000000000, 2000000000).Left, 108);
}

TEST(TrackThumb, AnEmptyRangeOrAChannelShorterThanTheThumbKeepsItAtTheStart) {
    EXPECT_EQ(Thumb(5, 5, 5).Left, 8);
    EXPECT_EQ(PlaceTrackThumb({8, 10, 6, 4}, 12, 11, 20, {0, 100, 50}).Left, 8);
}

TEST(TrackThumb, AnUprightThumbGoesDownFromTheTopCentredAcross) {
    Rect channel{10, 8, 4, 111};
    ExpectRect(PlaceTrackThumb(channel, 12, 20, 11, {0, 100, 0, true}), 2, 8, 20, 11);
    ExpectRect(PlaceTrackThumb(channel, 12, 20, 11, {0, 100, 100, true}), 2, 108, 20, 11);
}

TEST(TrackThumb, AChannelGivenTheOtherWayRoundIsTurned) {
    ExpectRect(ChannelAlongBar({8, 10, 111, 4}, false), 8, 10, 111, 4);
    ExpectRect(ChannelAlongBar({8, 10, 111, 4}, true), 10, 8, 4, 111);
    ExpectRect(ChannelAlongBar({10, 8, 4, 111}, true), 10, 8, 4, 111);
    ExpectRect(ChannelAlongBar({10, 8, 4, 111}, false), 8, 10, 111, 4);
}

TEST(TrackThumb, PointsAtTheTicksOrAtNeitherSide) {
    EXPECT_EQ(TrackThumbElement({}), "Trackbar.ThumbDown");
    EXPECT_EQ(TrackThumbElement({.TicksBefore = true}), "Trackbar.ThumbUp");
    EXPECT_EQ(TrackThumbElement({.TicksBothSides = true}), "Trackbar.ThumbHorz");
    EXPECT_EQ(TrackThumbElement({.Vertical = true}), "Trackbar.ThumbRight");
    EXPECT_EQ(TrackThumbElement({.Vertical = true, .TicksBefore = true}), "Trackbar.ThumbLeft");
    EXPECT_EQ(TrackThumbElement({.Vertical = true, .TicksBothSides = true}), "Trackbar.ThumbVert");
}

TEST(TrackThumb, FrameByState_DisabledOverridesEverything) {
    EXPECT_EQ(TrackThumbFrame({}), 1);
    EXPECT_EQ(TrackThumbFrame({.Pressed = true, .Hot = true, .Focused = true}), 2);
    EXPECT_EQ(TrackThumbFrame({.Hot = true, .Focused = true}), 4);
    EXPECT_EQ(TrackThumbFrame({.Focused = true}), 5);
    EXPECT_EQ(TrackThumbFrame({.Enabled = false, .Pressed = true, .Hot = true, .Focused = true}), 3);
}

}  // namespace
