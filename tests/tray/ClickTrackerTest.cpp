#include "tray/ClickTracker.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// Plays events on a tracker: P a press awaiting a double click, p one that
// awaits none, R a release, D a double click, T the end of the wait. Answers
// one letter per event: w the wait starts, c a click, . nothing.
std::string Play(const std::string& events) {
    TClickTracker tracker;
    std::string answers;
    for (char event : events) {
        bool answer = event == 'P'   ? tracker.Press(true)
                      : event == 'p' ? tracker.Press(false)
                      : event == 'R' ? tracker.Release()
                      : event == 'T' ? tracker.WaitEnded()
                                     : (tracker.DoubleClick(), false);
        answers += !answer ? '.' : event == 'P' ? 'w' : 'c';
    }
    return answers;
}
}  // namespace

TEST(ClickTracker, TellsSingleClicksFromDoubleClicks) {
    struct {
        const char* events;
        const char* answers;
    } cases[] = {
        {"PRT", "w.c"},          // a single click waits one double-click time
        {"PRDRT", "w...."},      // a double click is no single click
        {"PRDRPRT", "w...w.."},  // nor is a third press within its wait
        {"pR", ".c"},            // nothing awaited: the release clicks
        {"PTR", "w.c"},          // held past the wait: the release clicks
        {"PRTPRT", "w.cw.c"},    // two slow clicks are two clicks
        {"RTD", "..."},          // a release or a wait without a press
    };
    for (const auto& c : cases) EXPECT_EQ(Play(c.events), c.answers) << c.events;
}
