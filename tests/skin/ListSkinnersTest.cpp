// The skinners of lists and pickers on real windows of this process: each
// is attached where the skin has its elements, and shows them.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "gui/ComboBox.h"
#include "gui/DateTimePicker.h"
#include "gui/ListView.h"
#include "skin/combobox/ArrowButton.h"
#include "skin/control/SkinControl.h"
#include "skin/data/SkinGdi.h"
#include "skin/draw/ElementDrawing.h"
#include "skin/manager/SkinMessages.h"
#include "skin/manager/SkinnerRows.h"
#include "skin/scrollbar/ScrollbarPanel.h"
#include "tests/gui/TestForm.h"
#include "tests/skin/SkinnedWindows.h"

using namespace std::chrono_literals;

namespace {

class ListSkinners : public SkinnedWindows {
protected:
    static bool Skinned(HWND window) { return SendMessageW(window, SkinMessage::Query, 0, 0) == 1; }
    // Pixels of the window (of its whole window with whole) in the area
    // that differ from the skin's element drawn over the area in the frame,
    // its magenta over the button face.
    static int Mismatches(HWND window, Rect area, const TSkinElement& element, int frame, bool whole = false) {
        PixelBuffer drawn = ComposeElement(element.Picture(), frame, area.Width, area.Height);
        HDC dc = whole ? GetWindowDC(window) : GetDC(window);
        int mismatches = 0;
        for (int y = 0; y < area.Height; ++y)
            for (int x = 0; x < area.Width; ++x) {
                Pixel pixel = drawn.At(x, y);
                COLORREF expected =
                    pixel == kMagenta ? ToColorRef(MainSkin->Colours.ButtonFace) : COLORREF(ColorFromPixel(pixel));
                if (GetPixel(dc, area.Left + x, area.Top + y) != expected) ++mismatches;
            }
        ReleaseDC(window, dc);
        return mismatches;
    }
    static TScrollbarPanel* PanelIn(HWND parent, ScrollbarKind kind) {
        for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (auto* panel = dynamic_cast<TScrollbarPanel*>(TWinControl::FromHandle(child)))
                if (panel->Kind() == kind) return panel;
        return nullptr;
    }
    static SCROLLBARINFO BarInfo(HWND control, LONG bar) {
        SCROLLBARINFO info = {sizeof info};
        GetScrollBarInfo(control, bar, &info);
        return info;
    }
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
    TScrollbarPanel* vertical = PanelIn(form.Handle(), ScrollbarKind::Vertical);
    ASSERT_NE(vertical, nullptr);
    ASSERT_TRUE(vertical->Shows());

    form.List.SetFocus();
    SendMessageW(list, WM_KEYDOWN, VK_END, 0);
    PumpFor(100ms);
    SCROLLBARINFO info = BarInfo(list, OBJID_VSCROLL);
    ASSERT_GT(info.xyThumbTop,
              vertical->Facts().Width);  // scrolled away from the top
    EXPECT_EQ(vertical->Facts().ThumbStart, info.xyThumbTop);
    EXPECT_EQ(vertical->Facts().ThumbEnd, info.xyThumbBottom);

    int width = vertical->Facts().Width;
    int height = vertical->Facts().Height;
    // The square arrows: up (frame 9) at the top, down (frame 13) at the end.
    EXPECT_EQ(Mismatches(vertical->Handle(), {0, 0, width, width}, *MainSkin->Element("Scrollbar"), 9), 0);
    EXPECT_EQ(Mismatches(vertical->Handle(), {0, height - width, width, width}, *MainSkin->Element("Scrollbar"), 13),
              0);
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

TEST_F(ListSkinners, ADatePickersButtonShowsTheSkinsArrowAndOpensTheCalendar) {
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
    Rect area = {0, 0, int(placed.right - placed.left), int(placed.bottom - placed.top)};
    EXPECT_EQ(Mismatches(button->Handle(), area, *MainSkin->ComboxArrow, 1), 0);

    // A press on the skin's button reaches the picker, which opens its
    // calendar; the arrow shows it pressed while it is open.
    SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(area.Width / 2, area.Height / 2));
    SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(area.Width / 2, area.Height / 2));
    PumpFor(100ms);
    HWND calendar = HWND(SendMessageW(picker, DTM_GETMONTHCAL, 0, 0));
    ASSERT_TRUE(calendar && IsWindowVisible(calendar));
    EXPECT_EQ(Mismatches(button->Handle(), area, *MainSkin->ComboxArrow, 3), 0);
    SendMessageW(calendar, WM_KEYDOWN, VK_ESCAPE, 0);
    PumpFor(100ms);
}

TEST_F(ListSkinners, ADisabledDatePickerShowsTheDisabledArrow) {
    PickerForm form;
    form.Picker.SetEnabled(false);
    Show(form);
    TArrowButton* button = ArrowButtonIn(form.Picker.Handle());
    ASSERT_NE(button, nullptr);
    Rect bounds = button->Bounds();
    EXPECT_EQ(Mismatches(button->Handle(), {0, 0, bounds.Width, bounds.Height}, *MainSkin->ComboxArrow, 4), 0);
}

TEST_F(ListSkinners, ASkinWithoutTheComboArrowLeavesADatePickerNative) {
    PickerForm form;
    Show(form);
    TSkinFrame* frame = FrameOf(form);
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(&frame->Skin(), MainSkin);
    std::unique_ptr<TSkinElement> arrow = std::move(MainSkin->ComboxArrow);
    std::unique_ptr<TSkinControl> skinner =
        CreateSkinner(SkinnerKind::TSkinDateTime, *frame, {form.Picker.Handle(), &form.Picker});
    MainSkin->ComboxArrow = std::move(arrow);
    EXPECT_EQ(skinner, nullptr);
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

TEST_F(ListSkinners, AComboBoxsDroppedListShowsTheSkinsBar) {
    ComboForm form;
    Show(form);
    COMBOBOXINFO info = {sizeof info};
    ASSERT_TRUE(GetComboBoxInfo(form.Combo.Handle(), &info));
    ASSERT_TRUE(Skinned(info.hwndList));
    SendMessageW(form.Combo.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
    PumpFor(150ms);
    ASSERT_TRUE(IsWindowVisible(info.hwndList));
    SCROLLBARINFO bar = BarInfo(info.hwndList, OBJID_VSCROLL);
    RECT window;
    GetWindowRect(info.hwndList, &window);
    int width = bar.rcScrollBar.right - bar.rcScrollBar.left;
    int height = bar.rcScrollBar.bottom - bar.rcScrollBar.top;
    ASSERT_GT(height, 2 * width);
    // The arrows in the list's frame, read from its whole window.
    const TSkinElement& arrows = *MainSkin->Element("Scrollbar");
    int left = bar.rcScrollBar.left - window.left, top = bar.rcScrollBar.top - window.top;
    EXPECT_EQ(Mismatches(info.hwndList, {left, top, width, width}, arrows, 9, true), 0);
    EXPECT_EQ(Mismatches(info.hwndList, {left, top + height - width, width, width}, arrows, 13, true), 0);
    SendMessageW(form.Combo.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
    PumpFor(50ms);
}

}  // namespace
