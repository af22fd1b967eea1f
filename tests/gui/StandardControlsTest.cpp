// The window layer's standard controls on real windows: what they are
// given is what they show, and what the user does comes back as events.
#include <gtest/gtest.h>

#include <string>

#include "base/win32/Win32Text.h"
#include "gui/BitBtn.h"
#include "gui/ComboBox.h"
#include "gui/DateTimePicker.h"
#include "gui/Edit.h"
#include "gui/ListView.h"
#include "gui/ProgressBar.h"
#include "gui/ScrollBar.h"
#include "gui/SpeedButton.h"
#include "gui/StatusBar.h"
#include "gui/TabControl.h"
#include "gui/TrackBar.h"
#include "gui/UpDown.h"
#include "tests/gui/MessagePump.h"
#include "tests/gui/TestForm.h"
#include "tests/gui/TestGlyph.h"

using namespace std::chrono_literals;

namespace {

std::string ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return Narrow(name);
}

// A notification from a child as Win32 sends it to the parent.
void NotifyParent(TWinControl& child, UINT code) {
    NMHDR header = {child.Handle(), child.ControlId(), code};
    SendMessageW(GetParent(child.Handle()), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

COLORREF PixelOf(TWinControl& control, int x, int y) {
    RedrawWindow(control.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetDC(control.Handle());
    COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(control.Handle(), dc);
    return pixel;
}

class StandardControls : public ::testing::Test {
protected:
    void SetUp() override {
        form.Show();
        PumpFor(50ms);
    }
    TTestForm form;
};

// --- Ranges ---

TEST_F(StandardControls, ProgressBar_HoldsItsPositionInsideTheRange) {
    TProgressBar bar;
    bar.Create(form, {.Bounds = {0, 0, 100, 16}, .Min = 10, .Max = 20, .Position = 50});
    EXPECT_EQ(bar.Position(), 20);
    bar.SetPosition(-3);
    EXPECT_EQ(bar.Position(), 10);
    bar.SetRange(80, 40);
    EXPECT_EQ(bar.Min(), 40);
    EXPECT_EQ(bar.Max(), 80);
    bar.SetPosition(60);
    EXPECT_EQ(bar.Position(), 60);
}

TEST_F(StandardControls, TrackBar_ClampsRunsUprightAndReportsMoves) {
    TTrackBar track;
    track.Create(form, {.Bounds = {0, 0, 30, 100}, .Min = 0, .Max = 10, .Position = 12,
                        .Orientation = TOrientation::Vertical});
    EXPECT_EQ(track.Position(), 10);
    EXPECT_TRUE(GetWindowLongW(track.Handle(), GWL_STYLE) & TBS_VERT);
    int changes = 0;
    track.OnChange = [&](TObject*) { ++changes; };
    SendMessageW(form.Handle(), WM_VSCROLL, TB_LINEDOWN, reinterpret_cast<LPARAM>(track.Handle()));
    SendMessageW(form.Handle(), WM_VSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(track.Handle()));
    EXPECT_EQ(changes, 1);
}

TEST_F(StandardControls, ScrollBar_MovesItsOwnThumbByLineAndPageWithinTheLastPage) {
    TScrollBar bar;
    bar.Create(form, {.Bounds = {0, 0, 17, 100}, .Min = 0, .Max = 100, .Position = 50, .PageSize = 20,
                      .Orientation = TOrientation::Vertical});
    EXPECT_EQ(SendMessageW(bar.Handle(), SBM_GETPOS, 0, 0), 50);
    EXPECT_TRUE(GetWindowLongW(bar.Handle(), GWL_STYLE) & SBS_VERT);
    int changes = 0;
    bar.OnChange = [&](TObject*) { ++changes; };
    auto scroll = [&](WORD code) {
        SendMessageW(form.Handle(), WM_VSCROLL, code, reinterpret_cast<LPARAM>(bar.Handle()));
    };
    scroll(SB_LINEDOWN);
    EXPECT_EQ(bar.Position(), 51);
    scroll(SB_PAGEUP);
    EXPECT_EQ(bar.Position(), 31);
    scroll(SB_ENDSCROLL);
    EXPECT_EQ(changes, 2);
    // The thumb's last place shows the last page whole.
    scroll(SB_BOTTOM);
    EXPECT_EQ(bar.Position(), 81);
    scroll(SB_TOP);
    EXPECT_EQ(bar.Position(), 0);
}

TEST_F(StandardControls, UpDown_ShowsItsPositionInTheAssociate) {
    TEdit edit;
    edit.Create(form, {.Bounds = {0, 0, 80, 22}});
    TUpDown upDown;
    upDown.Create(form, {.Bounds = {80, 0, 17, 22}, .Min = 0, .Max = 50, .Position = 42, .Associate = &edit});
    EXPECT_EQ(edit.Text(), "42");
    upDown.SetPosition(99);
    EXPECT_EQ(upDown.Position(), 50);
    EXPECT_EQ(edit.Text(), "50");
    EXPECT_EQ(upDown.Associate(), &edit);
}

// --- Tabs, lists, status, date, combo ---

TEST_F(StandardControls, TabControl_ShowsItsTabsAndReportsAChoice) {
    TTabControl tabs;
    tabs.Create(form, {.Bounds = {0, 0, 180, 80}, .Tabs = {"Main", "Batch", "Local"}, .TabIndex = 1});
    EXPECT_EQ(SendMessageW(tabs.Handle(), TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(tabs.TabIndex(), 1);
    tabs.SetTabIndex(7);
    EXPECT_EQ(tabs.TabIndex(), -1);
    int changes = 0;
    tabs.OnChange = [&](TObject*) { ++changes; };
    NotifyParent(tabs, TCN_SELCHANGE);
    EXPECT_EQ(changes, 1);
}

TEST_F(StandardControls, ListView_ShowsColumnsAndRowsUnderItsHeader) {
    TListView list;
    list.Create(form, {.Bounds = {0, 0, 190, 100},
                       .Columns = {{"Address", 80}, {"Place", 60}},
                       .Items = {{"10.0.0.1", "Here", "left out"}, {"10.0.0.2"}}});
    EXPECT_EQ(list.ColumnCount(), 2);
    EXPECT_EQ(list.ItemCount(), 2);
    EXPECT_EQ(list.ItemText(0, 0), "10.0.0.1");
    EXPECT_EQ(list.ItemText(0, 1), "Here");
    EXPECT_EQ(list.ItemText(1, 1), "");
    HWND header = list.HeaderHandle();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(ClassOf(header), "SysHeader32");
    EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 2);
}

TEST_F(StandardControls, ListView_SelectsOneRowOrNone) {
    TListView list;
    list.Create(form, {.Bounds = {0, 0, 190, 100}, .Columns = {{"Address", 80}}, .Items = {{"a"}, {"b"}}});
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    EXPECT_EQ(list.ItemIndex(), -1);
    list.SetItemIndex(1);
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_GE(changes, 1);
    list.SetItemIndex(5);
    EXPECT_EQ(list.ItemIndex(), -1);
}

TEST_F(StandardControls, StatusBar_ShowsPanelsOrItsSimpleText) {
    TStatusBar status;
    status.Create(form, {.Bounds = {0, 120, 200, 20}, .Panels = {{"Ready", 60}, {"10.0.0.1", 90}}});
    int edges[4] = {};
    ASSERT_EQ(SendMessageW(status.Handle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 2);
    EXPECT_EQ(edges[0], 60);
    wchar_t text[32] = {};
    SendMessageW(status.Handle(), SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(Narrow(text), "10.0.0.1");
    status.SetPanelText(5, "nowhere");  // no such panel: nothing happens
    status.SetPanelText(0, "Busy");
    SendMessageW(status.Handle(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(Narrow(text), "Busy");
    EXPECT_FALSE(SendMessageW(status.Handle(), SB_ISSIMPLE, 0, 0));
    status.SetSimpleText("Simple");
    status.SetSimplePanel(true);
    EXPECT_TRUE(SendMessageW(status.Handle(), SB_ISSIMPLE, 0, 0));
    EXPECT_EQ(status.SimpleText(), "Simple");
}

TEST_F(StandardControls, DateTimePicker_KeepsItsDateWhenGivenADayThatDoesNotExist) {
    TDateTimePicker picker;
    picker.Create(form, {.Bounds = {0, 0, 120, 22}, .Date = {2026, 5, 1}});
    EXPECT_EQ(picker.Date(), (TDate{2026, 5, 1}));
    EXPECT_FALSE(picker.SetDate({2026, 2, 30}));
    EXPECT_FALSE(picker.SetDate({2026, 13, 1}));
    EXPECT_EQ(picker.Date(), (TDate{2026, 5, 1}));
    EXPECT_TRUE(picker.SetDate({2024, 2, 29}));
    EXPECT_EQ(picker.Date(), (TDate{2024, 2, 29}));
}

TEST_F(StandardControls, ComboBox_ChoosesAnItemOrNoneAndReportsAChoice) {
    TComboBox combo;
    combo.Create(form, {.Bounds = {0, 0, 120, 100}, .Items = {"QQWry", "Local"}, .ItemIndex = 1});
    EXPECT_EQ(combo.ItemCount(), 2);
    EXPECT_EQ(combo.ItemIndex(), 1);
    EXPECT_EQ(combo.Text(), "Local");
    combo.SetItemIndex(2);
    EXPECT_EQ(combo.ItemIndex(), -1);
    int changes = 0;
    combo.OnChange = [&](TObject*) { ++changes; };
    SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(combo.ControlId(), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo.Handle()));
    EXPECT_EQ(changes, 1);
}

// --- Glyph buttons ---

const int kButtonSize = 40;
const int kCentre = kButtonSize / 2;

TEST_F(StandardControls, BitBtn_DrawsTheGlyphCellOfItsState) {
    TBitmap glyph = MakeTestGlyph(4);
    TBitBtn up, off;
    up.Create(form, {.Bounds = {0, 0, kButtonSize, kButtonSize}, .Glyph = glyph.Get(), .NumGlyphs = 4});
    off.Create(form, {.Bounds = {50, 0, kButtonSize, kButtonSize}, .Glyph = glyph.Get(), .NumGlyphs = 4,
                      .Enabled = false});
    EXPECT_EQ(PixelOf(up, kCentre, kCentre), kTestGlyphDots[0]);
    EXPECT_EQ(PixelOf(off, kCentre, kCentre), kTestGlyphDots[1]);
    // The glyph's background colour is transparent: the button face shows.
    EXPECT_EQ(PixelOf(up, kCentre - 7, kCentre - 7), GetSysColor(COLOR_BTNFACE));
}

TEST_F(StandardControls, BitBtn_KeepsItsOwnCopyOfTheGlyph) {
    TBitBtn button;
    {
        TBitmap glyph = MakeTestGlyph(2);
        button.Create(form, {.Bounds = {0, 0, kButtonSize, kButtonSize}, .Glyph = glyph.Get(), .NumGlyphs = 2});
    }
    EXPECT_EQ(button.Glyph().CellSize().Width, kTestGlyphSize);
    EXPECT_EQ(PixelOf(button, kCentre, kCentre), kTestGlyphDots[0]);
}

TEST_F(StandardControls, SpeedButton_DownShowsTheStaysDownCellAndAGreyedOneHasNoColour) {
    TBitmap four = MakeTestGlyph(4), one = MakeTestGlyph(1);
    TSpeedButton down, greyed;
    down.Create(form, {.Bounds = {0, 0, kButtonSize, kButtonSize}, .Glyph = four.Get(), .NumGlyphs = 4,
                       .GroupIndex = 1, .Down = true});
    greyed.Create(form, {.Bounds = {50, 0, kButtonSize, kButtonSize}, .Glyph = one.Get(), .Enabled = false});
    // A button that is down draws its face a pixel further in.
    EXPECT_EQ(PixelOf(down, kCentre + 1, kCentre + 1), kTestGlyphDots[3]);
    EXPECT_EQ(PixelOf(greyed, kCentre, kCentre), GetSysColor(COLOR_BTNSHADOW));
}

TEST_F(StandardControls, SpeedButton_GroupedButtonStaysDownAndRaisesItsGroupmate) {
    TSpeedButton first, second, outsider;
    first.Create(form, {.Bounds = {0, 0, 30, 30}, .GroupIndex = 1, .Down = true});
    second.Create(form, {.Bounds = {30, 0, 30, 30}, .GroupIndex = 1});
    outsider.Create(form, {.Bounds = {60, 0, 30, 30}, .GroupIndex = 2, .Down = true});
    second.Click();
    EXPECT_TRUE(second.Down());
    EXPECT_FALSE(first.Down());
    EXPECT_TRUE(outsider.Down());
    second.Click();
    EXPECT_TRUE(second.Down());  // its group may not be all up
}

TEST_F(StandardControls, SpeedButton_ClicksOnlyWhenReleasedOverIt) {
    TSpeedButton button;
    button.Create(form, {.Bounds = {0, 0, 30, 30}, .Caption = "Go"});
    int clicks = 0;
    button.OnClick = [&](TObject*) { ++clicks; };
    SendMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_TRUE(button.Pressed());
    SendMessageW(button.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 10));
    EXPECT_FALSE(button.Pressed());
    SendMessageW(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(100, 10));
    EXPECT_EQ(clicks, 0);
    SendMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageW(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(12, 12));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button.Pressed());
    EXPECT_FALSE(button.Down());  // outside a group it springs back
}

}  // namespace
