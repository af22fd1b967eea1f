// The skinners of lists and pickers on real windows of this process: each
// is attached where the skin has its elements, and shows them (flat
// elements made here, so that the system's own picture shows as colours
// none of them has).
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/ComboBox.h"
#include "gui/DateTimePicker.h"
#include "gui/ListView.h"
#include "skin/combobox/ArrowButton.h"
#include "skin/control/SkinControl.h"
#include "skin/manager/SkinMessages.h"
#include "skin/manager/SkinnerRows.h"
#include "skin/scrollbar/ScrollbarPanel.h"
#include "tests/e2e/UiDriver.h"
#include "tests/gui/TestForm.h"
#include "tests/skin/DrawingWatch.h"
#include "tests/skin/FlatScrollbars.h"
#include "tests/skin/SkinnedControls.h"
#include "tests/skin/SkinnedWindows.h"

using namespace std::chrono_literals;

namespace {
// The combo arrow's frames: normal, hot, pressed (the calendar open), disabled.
const Pixel kFlatArrow = 0x80D000;

class ListSkinners : public SkinnedWindows {
protected:
    void SetUp() override {
        SkinnedWindows::SetUp();
        PutFlatScrollbars(flat);
        flat.PutComboxArrow(kFlatArrow, 4);
    }
    static bool Skinned(HWND window) { return SendMessageW(window, SkinMessage::Query, 0, 0) == 1; }
    static SCROLLBARINFO BarInfo(HWND control, LONG bar) {
        SCROLLBARINFO info = {sizeof info};
        GetScrollBarInfo(control, bar, &info);
        return info;
    }
    // The system's upright bar of the control as the screen shows it, read
    // from the control's whole window.
    static PixelBuffer UprightBar(HWND control) {
        SCROLLBARINFO info = BarInfo(control, OBJID_VSCROLL);
        RECT window;
        GetWindowRect(control, &window);
        const RECT& bar = info.rcScrollBar;
        return ClientPixels(control, TWindowDC::Whole)
            .Crop({int(bar.left - window.left), int(bar.top - window.top), int(bar.right - bar.left),
                   int(bar.bottom - bar.top)});
    }
    // What the upright bar should show, with the system's thumb where it is.
    static std::string UprightExpected(HWND control) {
        SCROLLBARINFO info = BarInfo(control, OBJID_VSCROLL);
        const RECT& bar = info.rcScrollBar;
        return ExpectedAlong(bar.bottom - bar.top, bar.right - bar.left, info.xyThumbTop, info.xyThumbBottom,
                             kUpright);
    }

    TFlatElements flat{*MainSkin};
    std::set<Pixel> colours = FlatScrollbarColours(PixelFromColor(MainSkin->Colours.ButtonFace));
};

// A report list with more rows than it shows.
class ListForm : public TTestForm {
public:
    ListForm() {
        std::vector<std::vector<std::string>> rows;
        for (int i = 0; i < 40; ++i) rows.push_back({"10.0.0." + std::to_string(i), "row " + std::to_string(i)});
        List.Create(*this, {.Bounds = {5, 5, 180, 130}, .Columns = {{"Address", 90}, {"Place", 60}}, .Items = rows});
    }
    TListView List;
};

TEST_F(ListSkinners, AListViewsBarIsTheSkinsAndFollowsTheKeyboard) {
    ListForm form;
    Show(form);
    HWND list = form.List.Handle();
    ASSERT_TRUE(Skinned(list));
    form.List.SetFocus();
    SendMessageW(list, WM_KEYDOWN, VK_END, 0);
    PumpFor(100ms);
    SCROLLBARINFO info = BarInfo(list, OBJID_VSCROLL);
    const RECT& bar = info.rcScrollBar;
    ASSERT_GT(info.xyThumbTop, bar.right - bar.left);  // scrolled away from the top
    POINT middle = {(bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2};
    auto* panel = dynamic_cast<TScrollbarPanel*>(TWinControl::FromHandle(WindowFromPoint(middle)));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(ShownAlong(ClientPixels(panel->Handle()), true), UprightExpected(list));
}

class PickerForm : public TTestForm {
public:
    PickerForm() { Picker.Create(*this, {.Bounds = {10, 10, 140, 22}, .Date = {2026, 5, 1}}); }
    TDateTimePicker Picker;
};

TArrowButton* ArrowButtonIn(HWND picker) {
    for (HWND child = GetWindow(picker, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (auto* button = dynamic_cast<TArrowButton*>(TWinControl::FromHandle(child))) return button;
    return nullptr;
}

// Whether every pixel of the button is the arrow's flat colour in the frame.
bool ShowsArrow(const TArrowButton& button, int frame) {
    PixelBuffer shown = ClientPixels(button.Handle());
    return !shown.Empty() && ForeignPixels(shown, {FlatColour(kFlatArrow, frame)}) == 0;
}

TEST_F(ListSkinners, ADatePickersButtonLiesOverThePickersOwnAndFollowsThePointerAndTheCalendar) {
    SetCursorPos(0, 0);
    PickerForm form;
    Show(form);
    HWND picker = form.Picker.Handle();
    ASSERT_TRUE(Skinned(picker));
    TArrowButton* button = ArrowButtonIn(picker);
    ASSERT_NE(button, nullptr);
    RECT client;
    GetClientRect(picker, &client);
    RECT placed;
    GetWindowRect(button->Handle(), &placed);
    MapWindowPoints(HWND_DESKTOP, picker, reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.right, client.right);
    EXPECT_EQ(placed.top, 0);
    EXPECT_EQ(placed.bottom, client.bottom);
    EXPECT_TRUE(ShowsArrow(*button, 1));

    ui::PointAt(button->Handle());
    EXPECT_TRUE(PumpUntil([&] { return ShowsArrow(*button, 2); }));
    // A click on the skin's button reaches the picker, which opens its
    // calendar; the arrow shows it pressed while it is open.
    ui::Tap(button->Handle());
    PumpFor(150ms);
    HWND calendar = HWND(SendMessageW(picker, DTM_GETMONTHCAL, 0, 0));
    ASSERT_TRUE(calendar && IsWindowVisible(calendar));
    EXPECT_TRUE(ShowsArrow(*button, 3));
    // A click elsewhere closes it.
    ui::DragAt(form.Handle(), {20, 100}, {0, 0});
    PumpUntil([&] { return !IsWindowVisible(calendar); });
    EXPECT_FALSE(IsWindowVisible(calendar));
    EXPECT_TRUE(PumpUntil([&] { return ShowsArrow(*button, 1); }));  // the leave notice comes on a timer
}

TEST_F(ListSkinners, ADisabledDatePickerShowsTheDisabledArrow) {
    PickerForm form;
    form.Picker.SetEnabled(false);
    Show(form);
    TArrowButton* button = ArrowButtonIn(form.Picker.Handle());
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(ShowsArrow(*button, 4));
}

class ComboForm : public TTestForm {
public:
    ComboForm() {
        std::vector<std::string> items;
        for (int i = 0; i < 30; ++i) items.push_back("item " + std::to_string(i));
        Combo.Create(*this, {.Bounds = {10, 10, 120, 150}, .Items = items, .ItemIndex = 0});
    }
    TComboBox Combo;
};

// The dropped list scrolls by the wheel, the program, the keyboard and a
// press on its bar. The system draws its bar at once each time; where the
// skinner can hold that drawing back, the watch under it sees none of it.
// The system's scrolling loop, which a press runs, draws as it likes: the
// skin's bar only follows it.
TEST_F(ListSkinners, AComboBoxsDroppedListScrollsAndShowsTheSkinsBar) {
    ComboForm form;
    COMBOBOXINFO info = {sizeof info};
    ASSERT_TRUE(GetComboBoxInfo(form.Combo.Handle(), &info));
    HWND list = info.hwndList;
    auto shown = [&] { return IsWindowVisible(list) ? std::vector{UprightBar(list)} : std::vector<PixelBuffer>{}; };
    TDrawingWatch watch(list, shown, colours);
    Show(form);
    ASSERT_TRUE(Skinned(list));
    SetForegroundWindow(form.Handle());
    form.Combo.SetFocus();
    SendMessageW(form.Combo.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
    PumpFor(150ms);
    ASSERT_TRUE(IsWindowVisible(list));
    EXPECT_EQ(watch.Worst(), 0) << "after message " << watch.WorstMessage();
    EXPECT_EQ(ShownAlong(UprightBar(list), true), UprightExpected(list));

    auto topIndex = [&] { return int(SendMessageW(list, LB_GETTOPINDEX, 0, 0)); };
    struct Use {
        const char* name;
        std::function<void()> run;
        bool heldBack;
    };
    const Use uses[] = {
        {"wheel", [&] { SendMessageW(list, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0); }, true},
        {"program", [&] { SendMessageW(list, LB_SETTOPINDEX, topIndex() + 3, 0); }, true},
        {"keyboard", [&] { ui::PressKeys({VK_NEXT, VK_NEXT}); }, false},
        {"press on the down arrow",
         [&] {
             SCROLLBARINFO bar = BarInfo(list, OBJID_VSCROLL);
             RECT window;
             GetWindowRect(list, &window);
             int width = bar.rcScrollBar.right - bar.rcScrollBar.left;
             ui::DragAt(list, {bar.rcScrollBar.left - window.left + width / 2, bar.rcScrollBar.bottom - window.top - 3},
                        {0, 0});
         },
         false},
    };
    for (const Use& use : uses) {
        SCOPED_TRACE(use.name);
        int before = topIndex();
        watch.Reset();
        use.run();
        PumpFor(150ms);
        ASSERT_TRUE(IsWindowVisible(list));
        EXPECT_GT(topIndex(), before);
        if (use.heldBack) {
            EXPECT_EQ(watch.Worst(), 0) << "after message " << watch.WorstMessage();
        }
        EXPECT_EQ(ShownAlong(UprightBar(list), true), UprightExpected(list));
    }
    SendMessageW(form.Combo.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
    PumpFor(50ms);
}

}  // namespace
