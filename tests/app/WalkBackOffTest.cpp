#include "app/WalkBackOff.h"

#include <gtest/gtest.h>

TEST(WalkBackOff, WaitsTenThenThirtyThenSixtySecondsAfterMissesUntilItStartsOver) {
    const TWalkBackOff::Window window = 1, other = 2;
    uint32_t now = 0xFFFFF000;  // the clock wraps on the way
    TWalkBackOff backOff;
    for (uint32_t waitMs : {10000u, 30000u, 60000u, 60000u}) {
        backOff.Missed(window, now);
        EXPECT_FALSE(backOff.MayWalk(window, now + waitMs - 1)) << waitMs;
        EXPECT_TRUE(backOff.MayWalk(window, now += waitMs)) << waitMs;
    }
    EXPECT_TRUE(backOff.MayWalk(other, now));
    backOff.Missed(window, now);
    backOff.StartOver(window);
    EXPECT_TRUE(backOff.MayWalk(window, now));
    backOff.Missed(window, now);
    EXPECT_FALSE(backOff.MayWalk(window, now + 9999)) << "ten seconds again after starting over";
}
