// Notifications that Win32 sends a parent reach the control they concern.
#include <gtest/gtest.h>

#include "gui/Application.h"
#include "gui/Button.h"
#include "gui/ControlMessages.h"
#include "gui/GroupBox.h"
#include "gui/Menus.h"
#include "tests/gui/TestForm.h"

namespace {
class Forwarding : public ::testing::Test {
protected:
    void SetUp() override {
        box.Create(form, {.Bounds = {0, 0, 200, 150}, .Caption = "box"});
        probe.Create(box);
    }
    LRESULT SendToBox(UINT message, WPARAM wParam, LPARAM lParam) {
        return SendMessageW(box.Handle(), message, wParam, lParam);
    }
    LPARAM Probe() const { return reinterpret_cast<LPARAM>(probe.Handle()); }

    TTestForm form;
    TGroupBox box;
    TProbeButton probe;
};
}  // namespace

TEST_F(Forwarding, CommandReachesTheControl) {
    SendToBox(WM_COMMAND, MAKEWPARAM(probe.ControlId(), BN_DOUBLECLICKED), Probe());
    EXPECT_EQ(probe.Calls, std::vector<std::string>{"command " + std::to_string(BN_DOUBLECLICKED)});
}

TEST_F(Forwarding, EveryControlColourMessageAsksTheControl) {
    HBRUSH brush = SolidBrush(RGB(1, 2, 3));
    probe.Brush = brush;
    HDC screen = GetDC(nullptr);
    for (UINT message = WM_CTLCOLORMSGBOX; message <= WM_CTLCOLORSTATIC; ++message) {
        probe.Calls.clear();
        EXPECT_EQ(SendToBox(message, WPARAM(screen), Probe()), LRESULT(brush)) << message;
        EXPECT_EQ(probe.Calls, std::vector<std::string>{"color"}) << message;
    }
    // A control without a colour of its own leaves the parent's default,
    // and a text lies on the parent's background, whatever colour it has.
    probe.Brush = nullptr;
    EXPECT_EQ(SendToBox(WM_CTLCOLORBTN, WPARAM(screen), Probe()),
              DefWindowProcW(box.Handle(), WM_CTLCOLORBTN, WPARAM(screen), Probe()));
    box.SetColor(RGB(10, 20, 30));
    LOGBRUSH given = {};
    GetObjectW(HBRUSH(SendToBox(WM_CTLCOLORSTATIC, WPARAM(screen), Probe())), sizeof given, &given);
    EXPECT_EQ(given.lbColor, RGB(10, 20, 30));
    EXPECT_EQ(GetBkColor(screen), RGB(10, 20, 30));
    ReleaseDC(nullptr, screen);
}

TEST_F(Forwarding, OwnerDrawingFindsTheControlByWindowAndById) {
    DRAWITEMSTRUCT draw = {ODT_BUTTON, probe.ControlId()};
    draw.hwndItem = probe.Handle();
    EXPECT_TRUE(SendToBox(WM_DRAWITEM, probe.ControlId(), LPARAM(&draw)));
    MEASUREITEMSTRUCT measure = {ODT_LISTBOX, probe.ControlId()};
    EXPECT_TRUE(SendToBox(WM_MEASUREITEM, probe.ControlId(), LPARAM(&measure)));
    EXPECT_EQ(measure.itemHeight, 17u);
    EXPECT_EQ(probe.Calls, (std::vector<std::string>{"draw", "measure"}));
}

TEST_F(Forwarding, ScrollingFromAControlReachesIt) {
    SendToBox(WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), Probe());
    SendToBox(WM_VSCROLL, MAKEWPARAM(SB_PAGEUP, 0), Probe());
    EXPECT_EQ(probe.Calls, (std::vector<std::string>{"hscroll " + std::to_string(SB_LINEDOWN),
                                                     "vscroll " + std::to_string(SB_PAGEUP)}));
}

TEST_F(Forwarding, NotificationsAndCustomDrawAnswerForTheParent) {
    probe.NotifyAnswer = CDRF_NOTIFYITEMDRAW;
    NMCUSTOMDRAW customDraw = {};
    customDraw.hdr = {probe.Handle(), probe.ControlId(), UINT(NM_CUSTOMDRAW)};
    customDraw.dwDrawStage = CDDS_PREPAINT;
    EXPECT_EQ(SendToBox(WM_NOTIFY, probe.ControlId(), LPARAM(&customDraw)), CDRF_NOTIFYITEMDRAW);
    EXPECT_EQ(probe.Calls, std::vector<std::string>{"notify " + std::to_string(int(NM_CUSTOMDRAW))});
}

TEST_F(Forwarding, AFormsOwnMessagesInTheReflectedRangeAreNotTakenForNotifications) {
    // A form is nobody's control: a message numbered like a handed-back
    // notification, with no notification behind it, is not read as one.
    EXPECT_EQ(SendMessageW(form.Handle(), CN_NOTIFY, 0, 16802), 0);
}

TEST_F(Forwarding, ARealClickOfAStandardButtonRunsItsEvent) {
    TButton button;
    button.Create(box, {.Bounds = {10, 40, 60, 20}, .Caption = "go"});
    int clicks = 0;
    button.OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, &button);
        ++clicks;
    };
    SendMessageW(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Forwarding, EnterOnAFocusedButtonClicksItOnceAndOnlyIt) {
    TButton other, focused;
    other.Create(box, {.Bounds = {10, 40, 60, 20}, .Caption = "other"});
    focused.Create(box, {.Bounds = {80, 40, 60, 20}, .Caption = "go"});
    std::vector<std::string> clicks;
    other.OnClick = [&](TObject*) { clicks.push_back("other"); };
    focused.OnClick = [&](TObject*) { clicks.push_back("go"); };
    ShowWindow(form.Handle(), SW_SHOW);
    SetForegroundWindow(form.Handle());
    SetFocus(other.Handle());
    SetFocus(focused.Handle());
    // As the keyboard delivers it: to the focused window, through the loop.
    PostMessageW(focused.Handle(), WM_KEYDOWN, VK_RETURN, 0);
    Application.ProcessMessages();
    EXPECT_EQ(clicks, std::vector<std::string>{"go"});
}

TEST(MenuOwnerDraw, MeasureAndDrawReachTheItemThroughAnyWindow) {
    TTestForm form;
    TMenuItem item("item");
    int measured = 0, drawn = 0;
    item.OnMeasureItem = [&](TObject* sender, HDC, int& width, int& height) {
        EXPECT_EQ(sender, &item);
        EXPECT_GT(width, 0);  // the framework's own measurement comes in
        width = 77;
        height = 19;
        ++measured;
    };
    item.OnDrawItem = [&](TObject*, HDC, const RECT&, UINT state) {
        EXPECT_TRUE(state & ODS_SELECTED);
        ++drawn;
    };
    MEASUREITEMSTRUCT measure = {ODT_MENU, 0, item.Command()};
    measure.itemData = reinterpret_cast<ULONG_PTR>(&item);
    EXPECT_TRUE(SendMessageW(form.Handle(), WM_MEASUREITEM, 0, LPARAM(&measure)));
    EXPECT_EQ(measure.itemWidth, 77u);
    EXPECT_EQ(measure.itemHeight, 19u);
    DRAWITEMSTRUCT draw = {ODT_MENU, 0, item.Command()};
    draw.itemState = ODS_SELECTED;
    draw.hDC = GetDC(form.Handle());
    draw.itemData = reinterpret_cast<ULONG_PTR>(&item);
    EXPECT_TRUE(SendMessageW(form.Handle(), WM_DRAWITEM, 0, LPARAM(&draw)));
    ReleaseDC(form.Handle(), draw.hDC);
    EXPECT_EQ(measured, 1);
    EXPECT_EQ(drawn, 1);
}

TEST(MenuOwnerDraw, ItemDataThatIsNoItemOfOursIsLeftAlone) {
    TTestForm form;
    int notAnItem = 0;
    MEASUREITEMSTRUCT measure = {ODT_MENU};
    measure.itemData = reinterpret_cast<ULONG_PTR>(&notAnItem);
    EXPECT_FALSE(TMenuItem::DispatchOwnerDraw(WM_MEASUREITEM, LPARAM(&measure)));
    EXPECT_FALSE(SendMessageW(form.Handle(), WM_MEASUREITEM, 0, LPARAM(&measure)));
}
