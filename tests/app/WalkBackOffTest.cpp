#include "app/WalkBackOff.h"

#include <gtest/gtest.h>

namespace {
const TWalkBackOff::Window kWindow = 0x1234, kOther = 0x5678;

struct Step {
    enum { Ask, Miss, StartOver } what;
    uint32_t at;
    bool mayWalk = true;
};
}  // namespace

// One window's misses, on a clock the test sets.
TEST(WalkBackOff, WaitsTenThenThirtyThenSixtySecondsAfterMisses) {
    const uint32_t t0 = 0xFFFFF000;  // the clock wraps on the way
    const Step steps[] = {
        {Step::Ask, t0, true},
        {Step::Miss, t0},
        {Step::Ask, t0 + 9999, false},
        {Step::Ask, t0 + 10000, true},
        {Step::Miss, t0 + 10000},
        {Step::Ask, t0 + 39999, false},
        {Step::Ask, t0 + 40000, true},
        {Step::Miss, t0 + 40000},
        {Step::Ask, t0 + 99999, false},
        {Step::Ask, t0 + 100000, true},
        {Step::Miss, t0 + 100000},
        {Step::Ask, t0 + 159999, false},
        {Step::Ask, t0 + 160000, true},
        {Step::Miss, t0 + 160000},
        {Step::StartOver, t0 + 161000},
        {Step::Ask, t0 + 161000, true},
        {Step::Miss, t0 + 161000},
        {Step::Ask, t0 + 170999, false},
        {Step::Ask, t0 + 171000, true},
    };
    TWalkBackOff backOff;
    for (const Step& step : steps) {
        if (step.what == Step::Miss) backOff.Missed(kWindow, step.at);
        if (step.what == Step::StartOver) backOff.StartOver(kWindow);
        if (step.what == Step::Ask) {
            EXPECT_EQ(backOff.MayWalk(kWindow, step.at), step.mayWalk) << step.at - t0;
        }
    }
}

TEST(WalkBackOff, EachWindowHasItsOwnSteps) {
    TWalkBackOff backOff;
    backOff.Missed(kWindow, 1000);
    EXPECT_TRUE(backOff.MayWalk(kOther, 1000));
    backOff.ForgetWhere([](TWalkBackOff::Window window) { return window == kWindow; });
    EXPECT_TRUE(backOff.MayWalk(kWindow, 1000));
}
