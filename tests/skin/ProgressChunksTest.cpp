#include <gtest/gtest.h>

#include "skin/progress/ProgressChunks.h"
#include "tests/skin/ExpectRect.h"

namespace {

// A 104 x 16 bar leaves an inside of 100 x 12 for the chunks.
constexpr int kWidth = 104, kHeight = 16, kChunk = 10;

std::vector<Rect> Chunks(int position, int min = 0, int max = 100) {
    return ProgressChunks(kWidth, kHeight, {min, max, position}, kChunk);
}

TEST(ProgressChunks, HalfwayFillsHalfTheInsideFromTheLeft) {
    std::vector<Rect> chunks = Chunks(50);
    ASSERT_EQ(chunks.size(), 5u);
    ExpectRect(chunks.front(), 2, 2, 10, 12);
    ExpectRect(chunks.back(), 42, 2, 10, 12);
}

TEST(ProgressChunks, AChunkOnceBegunIsShownWhole) {
    std::vector<Rect> chunks = Chunks(41);
    ASSERT_EQ(chunks.size(), 5u);
    EXPECT_EQ(chunks.back().Width, 10);
    EXPECT_EQ(Chunks(1).size(), 1u);
}

TEST(ProgressChunks, TheLastChunkIsCutAtTheInsidesEnd) {
    std::vector<Rect> chunks = ProgressChunks(kWidth, kHeight, {0, 100, 100}, 30);
    ASSERT_EQ(chunks.size(), 4u);
    ExpectRect(chunks.back(), 92, 2, 10, 12);
}

TEST(ProgressChunks, NothingAtTheStartOrForAnEmptyRange) {
    EXPECT_TRUE(Chunks(0).empty());
    EXPECT_TRUE(Chunks(5, 5, 5).empty());
    EXPECT_TRUE(Chunks(5, 10, 0).empty());
}

TEST(ProgressChunks, APositionOutsideTheRangeCountsAsItsNearestEnd) {
    EXPECT_TRUE(Chunks(-50).empty());
    EXPECT_EQ(Chunks(500).size(), 10u);
    // Range and length multiplied pass 2^31.
    EXPECT_EQ(Chunks(2000000000, -2000000000, 2000000000).size(), 10u);
}

TEST(ProgressChunks, AnUprightBarFillsFromTheBottom) {
    std::vector<Rect> chunks = ProgressChunks(16, 104, {0, 100, 50, true}, kChunk);
    ASSERT_EQ(chunks.size(), 5u);
    ExpectRect(chunks.front(), 2, 92, 12, 10);
    ExpectRect(chunks.back(), 2, 52, 12, 10);
}

TEST(ProgressChunks, WithoutAChunkLengthOnePieceCoversTheFilledShare) {
    std::vector<Rect> chunks = ProgressChunks(kWidth, kHeight, {0, 100, 30}, 0);
    ASSERT_EQ(chunks.size(), 1u);
    ExpectRect(chunks[0], 2, 2, 30, 12);
}

TEST(ProgressChunks, ABarTooSmallForAnInsideHasNoChunks) {
    EXPECT_TRUE(ProgressChunks(3, 3, {0, 100, 100}, kChunk).empty());
    EXPECT_TRUE(ProgressChunks(104, 4, {0, 100, 100}, kChunk).empty());
}

}  // namespace
