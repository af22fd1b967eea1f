#include "gui/Timer.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/gui/MessagePump.h"

using namespace std::chrono_literals;

namespace {
struct TickCounter {
    int ticks = 0;
    TObject* lastSender = nullptr;
    TNotifyEvent Event() {
        return [this](TObject* sender) {
            ++ticks;
            lastSender = sender;
        };
    }
};
}  // namespace

TEST(WindowTimer, StartsStoppedAndZeroIntervalNeverRuns) {
    TickCounter counter;
    TWindowTimer timer(0, counter.Event());
    EXPECT_FALSE(timer.Enabled());
    timer.SetEnabled(true);
    EXPECT_FALSE(timer.Enabled());
    PumpFor(100ms);
    EXPECT_EQ(counter.ticks, 0);
}

TEST(WindowTimer, EachTickReachesOnlyItsOwnTimer) {
    TickCounter first, second;
    TWindowTimer a(20, first.Event()), b(20, second.Event());
    a.SetEnabled(true);
    b.SetEnabled(true);
    PumpFor(300ms);
    EXPECT_GE(first.ticks, 3);
    EXPECT_GE(second.ticks, 3);
    EXPECT_EQ(first.lastSender, &a);
    EXPECT_EQ(second.lastSender, &b);
    b.SetEnabled(false);
    int secondBefore = second.ticks;
    PumpFor(100ms);
    EXPECT_EQ(second.ticks, secondBefore);
    EXPECT_GT(first.ticks, 3);
}

TEST(WindowTimer, ZeroIntervalSuspendsAndANewIntervalResumes) {
    TickCounter counter;
    TWindowTimer timer(20, counter.Event());
    timer.SetEnabled(true);
    timer.SetInterval(0);
    EXPECT_TRUE(timer.Enabled());  // suspended, not stopped
    PumpFor(100ms);
    EXPECT_EQ(counter.ticks, 0);
    timer.SetInterval(20);
    PumpFor(150ms);
    EXPECT_GT(counter.ticks, 0);
}

TEST(WindowTimer, ClearedCallbackSuspendsAndEnablingAgainRuns) {
    TickCounter counter;
    TWindowTimer timer(20, counter.Event());
    timer.SetEnabled(true);
    timer.SetOnTimer(nullptr);
    EXPECT_TRUE(timer.Enabled());
    timer.SetOnTimer(counter.Event());
    PumpFor(100ms);
    EXPECT_EQ(counter.ticks, 0);  // a new callback alone does not restart it
    timer.SetEnabled(true);
    PumpFor(150ms);
    EXPECT_GT(counter.ticks, 0);
}

TEST(WindowTimer, SharedWindowLivesExactlyWhileATimerExists) {
    EXPECT_EQ(TWindowTimerHandler::SharedWindow(), nullptr);
    HWND first;
    {
        TWindowTimer a, b;
        first = TWindowTimerHandler::SharedWindow();
        ASSERT_NE(first, nullptr);
        {
            TWindowTimer c;
            EXPECT_EQ(TWindowTimerHandler::SharedWindow(), first);
        }
        EXPECT_TRUE(IsWindow(first));
    }
    EXPECT_EQ(TWindowTimerHandler::SharedWindow(), nullptr);
    EXPECT_FALSE(IsWindow(first));
    TWindowTimer again;
    EXPECT_TRUE(IsWindow(TWindowTimerHandler::SharedWindow()));
}

TEST(WindowTimer, DestroyedRunningTimerTicksNoMore) {
    TickCounter counter;
    auto timer = std::make_unique<TWindowTimer>(10, counter.Event());
    TWindowTimer keepsWindow;
    timer->SetEnabled(true);
    PumpFor(50ms);
    timer.reset();
    int before = counter.ticks;
    PumpFor(100ms);
    EXPECT_EQ(counter.ticks, before);
}

namespace {
// Whether the last copy of a handler is gone: a handler that still runs
// after that runs on freed memory. Kept outside the handler, which may
// be freed.
bool handlerGone = false, goneWhileRunning = true;
std::unique_ptr<TWindowTimer> runningTimer;

struct Sentinel {
    ~Sentinel() { handlerGone = true; }
};

TNotifyEvent WatchedHandler(void (*body)()) {
    handlerGone = false;
    goneWhileRunning = true;
    auto sentinel = std::make_shared<Sentinel>();
    return [sentinel, body](TObject*) {
        body();
        goneWhileRunning = handlerGone;
    };
}
}  // namespace

TEST(WindowTimer, HandlerThatReplacesItselfRunsToItsEnd) {
    runningTimer = std::make_unique<TWindowTimer>(10, nullptr);
    runningTimer->SetOnTimer(WatchedHandler([] { runningTimer->SetOnTimer([](TObject*) {}); }));
    runningTimer->SetEnabled(true);
    PumpFor(60ms);
    EXPECT_FALSE(goneWhileRunning);
    EXPECT_TRUE(handlerGone);
    runningTimer.reset();
}

TEST(WindowTimer, HandlerThatDestroysItsTimerRunsToItsEnd) {
    runningTimer = std::make_unique<TWindowTimer>(10, nullptr);
    runningTimer->SetOnTimer(WatchedHandler([] { runningTimer.reset(); }));
    runningTimer->SetEnabled(true);
    PumpFor(60ms);
    EXPECT_EQ(runningTimer, nullptr);
    EXPECT_FALSE(goneWhileRunning);
    EXPECT_TRUE(handlerGone);
}
