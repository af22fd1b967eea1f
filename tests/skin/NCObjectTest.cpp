#include <gtest/gtest.h>

#include <memory>

#include "skin/frame/NCObject.h"

namespace {

// Records the state it was painted in, as a caption button would draw it.
class PaintedObject : public TNCObject {
public:
    PaintedObject(TNCCurrentObject& current, Rect bounds) : TNCObject(current) { Bounds = bounds; }
    void Paint() override { painted.push_back(CurrentState); }

    std::vector<int> painted;
};

class NCObjectTest : public ::testing::Test {
protected:
    TNCCurrentObject current;
    PaintedObject close{current, {270, 4, 20, 18}};
    PaintedObject maximise{current, {250, 4, 20, 18}};
};

TEST_F(NCObjectTest, MouseMove_MakesTheObjectHotAndCurrentOnce) {
    close.MouseMove();
    EXPECT_EQ(current.Get(), &close);
    EXPECT_EQ(close.CurrentState, TNCObject::Hot);
    close.MouseMove();  // already current: no repaint
    EXPECT_EQ(close.painted, (std::vector<int>{3}));
}

TEST_F(NCObjectTest, MovingToAnotherObject_LeavesThePreviousOne) {
    close.MouseMove();
    maximise.MouseMove();
    EXPECT_EQ(current.Get(), &maximise);
    EXPECT_EQ(close.CurrentState, TNCObject::Normal);
    EXPECT_EQ(close.painted, (std::vector<int>{3, 1}));
    EXPECT_EQ(maximise.painted, (std::vector<int>{3}));
}

TEST_F(NCObjectTest, DownThenUp_PressesThenTurnsHot) {
    maximise.MouseMove();
    close.MouseDown();
    EXPECT_EQ(maximise.CurrentState, TNCObject::Normal);
    EXPECT_EQ(current.Get(), &close);
    EXPECT_EQ(close.CurrentState, TNCObject::Pressed);
    close.MouseUp();
    EXPECT_EQ(close.CurrentState, TNCObject::Hot);
    EXPECT_EQ(close.painted, (std::vector<int>{2, 3}));
    close.MouseLeave();
    EXPECT_EQ(current.Get(), nullptr);
    EXPECT_EQ(close.painted, (std::vector<int>{2, 3, 1}));
}

TEST_F(NCObjectTest, DisabledObject_NeverBecomesCurrentButStillLeavesOthers) {
    maximise.Enabled = false;
    close.MouseMove();
    maximise.MouseMove();
    EXPECT_EQ(current.Get(), nullptr);
    EXPECT_EQ(close.CurrentState, TNCObject::Normal);
    maximise.MouseDown();
    maximise.MouseUp();
    EXPECT_TRUE(maximise.painted.empty());
    EXPECT_EQ(maximise.CurrentState, TNCObject::Normal);
}

TEST_F(NCObjectTest, ObjectDisabledWhileCurrent_IsStillForgottenOnLeave) {
    close.MouseMove();
    close.Enabled = false;
    close.MouseLeave();
    EXPECT_EQ(current.Get(), nullptr);
    EXPECT_EQ(close.painted, (std::vector<int>{3}));
}

TEST_F(NCObjectTest, CaptionTimer_LeavesOnlyWhenThePointerIsOutside) {
    close.MouseMove();
    current.LeaveUnlessAt({275, 10});
    EXPECT_EQ(current.Get(), &close);
    current.LeaveUnlessAt({260, 10});
    EXPECT_EQ(current.Get(), nullptr);
    EXPECT_EQ(close.CurrentState, TNCObject::Normal);
    current.LeaveUnlessAt({0, 0});  // nothing current: nothing happens
    current.Leave();
    EXPECT_EQ(close.painted, (std::vector<int>{3, 1}));
}

TEST_F(NCObjectTest, DestroyedCurrentObject_IsNoLongerCurrent) {
    auto menuItem = std::make_unique<PaintedObject>(current, Rect{10, 30, 40, 18});
    menuItem->MouseMove();
    menuItem.reset();
    EXPECT_EQ(current.Get(), nullptr);
    close.MouseMove();  // would touch the destroyed object if it were kept
    EXPECT_EQ(current.Get(), &close);
}

TEST_F(NCObjectTest, ObjectAt_FindsVisibleObjectsOnly) {
    std::vector<TNCObject*> objects{&maximise, &close};
    EXPECT_EQ(NCObjectAt(objects, {255, 10}), &maximise);
    EXPECT_EQ(NCObjectAt(objects, {289, 21}), &close);
    EXPECT_EQ(NCObjectAt(objects, {290, 10}), nullptr);
    close.Visible = false;
    EXPECT_EQ(NCObjectAt(objects, {275, 10}), nullptr);
}

}  // namespace
