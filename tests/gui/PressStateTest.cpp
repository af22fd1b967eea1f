#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "gui/PressState.h"

namespace {
// One step of the mouse: 'm' move over part, 'd' press over part, 'u'
// release over part, 'c' cancel. Parts are digits, '-' is none.
struct Step {
    char Event;
    char Part;
};

struct Case {
    const char* Name;
    std::vector<Step> Steps;
    TPressLook Look;
    std::vector<int> Clicks;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.Name; }

int PartOf(char part) { return part == '-' ? -1 : part - '0'; }

const Case kCases[] = {
    {"HoverShowsHot", {{'m', '1'}}, {.Hot = 1}, {}},
    {"PressOverPartShowsItPressed", {{'m', '0'}, {'d', '0'}}, {.Hot = 0, .Pressed = 0}, {}},
    {"ReleaseOverHeldPartClicksOnce", {{'d', '0'}, {'u', '0'}}, {.Hot = 0}, {0}},
    {"SlippedOffShowsNeitherPressedNorHot", {{'d', '0'}, {'m', '-'}}, {}, {}},
    {"HeldPartKeepsOthersFromHot", {{'d', '0'}, {'m', '1'}}, {}, {}},
    {"SlippedOffAndBackClicks", {{'d', '0'}, {'m', '-'}, {'m', '0'}, {'u', '0'}}, {.Hot = 0}, {0}},
    {"ReleaseOutsideDoesNotClick", {{'d', '0'}, {'m', '-'}, {'u', '-'}}, {}, {}},
    {"ReleaseOverAnotherPartDoesNotClick", {{'d', '0'}, {'m', '1'}, {'u', '1'}}, {.Hot = 1}, {}},
    {"CancelEndsPressWithoutClick", {{'d', '0'}, {'c', '-'}, {'u', '0'}}, {.Hot = 0}, {}},
    {"PressOverNothingHoldsNothing", {{'d', '-'}, {'m', '0'}, {'u', '0'}}, {.Hot = 0}, {}},
    {"SecondPressAfterClickClicksAgain", {{'d', '2'}, {'u', '2'}, {'d', '2'}, {'u', '2'}}, {.Hot = 2}, {2, 2}},
};

class PressStateTest : public ::testing::TestWithParam<Case> {};

TEST_P(PressStateTest, FollowsTheMouseAsNativeButtonsDo) {
    TPressState state;
    std::vector<int> clicks;
    for (Step step : GetParam().Steps) {
        int part = PartOf(step.Part);
        switch (step.Event) {
        case 'm': state.Move(part); break;
        case 'd': state.Press(part); break;
        case 'u':
            if (int clicked = state.Release(part); clicked >= 0) clicks.push_back(clicked);
            break;
        case 'c': state.Cancel(); break;
        }
    }
    EXPECT_EQ(state.Look(), GetParam().Look);
    EXPECT_EQ(clicks, GetParam().Clicks);
}

INSTANTIATE_TEST_SUITE_P(Sequences, PressStateTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.Name); });
}  // namespace
