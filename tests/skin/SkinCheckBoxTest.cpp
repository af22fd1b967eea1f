// The check box and radio button skinners on real controls of this
// process, the skin's boxes swapped for flat-coloured ones: the box shows
// the colour of its frame.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <string>

#include "gui/Button.h"
#include "gui/Edit.h"
#include "gui/GlyphCheckBox.h"
#include "skin/manager/SkinMessages.h"
#include "tests/gui/TestForm.h"
#include "tests/skin/FlatButtons.h"
#include "tests/skin/SkinnedControls.h"
#include "tests/skin/SkinnedWindows.h"

using namespace std::chrono_literals;

namespace {

// Frames of four-frame images.
const int kUnchecked = 1, kChecked = 2, kUncheckedDisabled = 3, kCheckedDisabled = 4;

class CheckForm : public TTestForm {
public:
    CheckForm() {
        Box.Create(*this, {.Bounds = {20, 10, 100, 21}});
        CheckBox.Create(*this, {.Bounds = {20, 40, 77, 17}, .Caption = "自动查询", .Checked = true});
        CheckBox.OnClick = [this](TObject*) { ++Clicks; };
    }
    TEdit Box;  // takes the focus when the form shows
    TCheckBox CheckBox;
    int Clicks = 0;
};

enum class BoxSide { Left, Right };

class SkinnedCheckBoxes : public SkinnedWindows {
protected:
    static Pixel ButtonFace() { return PixelFromColor(MainSkin->Colours.ButtonFace); }

    // Pixels of the box the control shows that are not the colour, or at its
    // corners what lies under: the box at the one edge, centred vertically.
    static int BoxMismatches(HWND control, Pixel colour, BoxSide side = BoxSide::Left, Pixel under = ButtonFace()) {
        PixelBuffer shown = ClientPixels(control);
        const int size = FlatButtons::kBoxSize;
        Rect box = {side == BoxSide::Left ? 0 : shown.Width() - size, (shown.Height() - size) / 2, size, size};
        int mismatches = 0;
        for (int y = box.Top; y < box.Top + size; ++y)
            for (int x = box.Left; x < box.Left + size; ++x)
                mismatches += shown.At(x, y) != (FlatButtons::IsCorner(x, y, box) ? under : colour);
        return mismatches;
    }
    static int CheckMismatches(HWND control, int frame, BoxSide side = BoxSide::Left) {
        return BoxMismatches(control, FlatButtons::kChecks[frame - 1], side);
    }
    static int RadioMismatches(HWND control, int frame) {
        return BoxMismatches(control, FlatButtons::kRadios[frame - 1]);
    }

    // Colours of the caption, right of the box: whatever is not background.
    static std::map<Pixel, int> CaptionColours(HWND control) {
        PixelBuffer shown = ClientPixels(control);
        std::map<Pixel, int> colours;
        for (int y = 0; y < shown.Height(); ++y)
            for (int x = FlatButtons::kBoxSize + 2; x < shown.Width(); ++x)
                if (shown.At(x, y) != ButtonFace()) ++colours[shown.At(x, y)];
        return colours;
    }

    TSwappedIn<TSkinButtonElement> flat{MainSkin->Buttons, FlatButtons::Element()};
};

TEST_F(SkinnedCheckBoxes, OurCheckBoxShowsTheCheckedAndUncheckedBoxOfTheImage) {
    CheckForm form;
    Show(form);
    HWND check = form.CheckBox.Handle();
    ASSERT_EQ(SendMessageW(check, SkinMessage::Query, 0, 0), 1);
    EXPECT_EQ(CheckMismatches(check, kChecked), 0);
    form.CheckBox.SetChecked(false);
    EXPECT_EQ(CheckMismatches(check, kUnchecked), 0);
    std::map<Pixel, int> caption = CaptionColours(check);
    EXPECT_GT(caption[PixelFromColor(MainSkin->Colours.ButtonText)], 0);
}

TEST_F(SkinnedCheckBoxes, ClickAndSpaceBarToggleWithoutTheNativeBoxShowing) {
    CheckForm form;
    Show(form);
    HWND check = form.CheckBox.Handle();
    LPARAM centre = MAKELPARAM(30, 8);

    SendMessageW(check, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    EXPECT_EQ(CheckMismatches(check, kChecked), 0);
    SendMessageW(check, WM_LBUTTONUP, 0, centre);
    EXPECT_EQ(form.Clicks, 1);
    EXPECT_FALSE(form.CheckBox.Checked());
    EXPECT_EQ(CheckMismatches(check, kUnchecked), 0);

    SendMessageW(check, WM_KEYDOWN, VK_SPACE, 0x00390001);
    EXPECT_EQ(CheckMismatches(check, kUnchecked), 0);
    SendMessageW(check, WM_KEYUP, VK_SPACE, 0xC0390001);
    EXPECT_TRUE(form.CheckBox.Checked());
    EXPECT_EQ(form.Clicks, 2);
    EXPECT_EQ(CheckMismatches(check, kChecked), 0);
}

TEST_F(SkinnedCheckBoxes, ADisabledCheckBoxShowsTheDisabledBoxAndShadowText) {
    CheckForm form;
    form.CheckBox.SetEnabled(false);
    Show(form);
    HWND check = form.CheckBox.Handle();
    EXPECT_EQ(CheckMismatches(check, kCheckedDisabled), 0);
    form.CheckBox.SetChecked(false);
    EXPECT_EQ(CheckMismatches(check, kUncheckedDisabled), 0);
    std::map<Pixel, int> caption = CaptionColours(check);
    EXPECT_GT(caption[PixelOf(GetSysColor(COLOR_BTNSHADOW))], 0);
    EXPECT_EQ(caption.count(PixelFromColor(MainSkin->Colours.ButtonText)), 0u);
}

TEST_F(SkinnedCheckBoxes, TheFocusedCheckBoxFramesItsCaption) {
    CheckForm form;
    Show(form);
    HWND check = form.CheckBox.Handle();
    PixelBuffer unfocused = ClientPixels(check);
    form.CheckBox.SetFocus();
    PixelBuffer focused = ClientPixels(check);
    EXPECT_NE(focused.Pixels(), unfocused.Pixels());
    EXPECT_EQ(CheckMismatches(check, kChecked), 0);
}

TEST_F(SkinnedCheckBoxes, TextOnTheLeft_PutsTheBoxAtTheRightEdge) {
    CheckForm form;
    Show(form);
    HWND check = form.CheckBox.Handle();
    SetWindowLongW(check, GWL_STYLE, GetWindowLongW(check, GWL_STYLE) | BS_LEFTTEXT);
    RedrawWindow(check, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(CheckMismatches(check, kChecked, BoxSide::Right), 0);
    EXPECT_GT(CheckMismatches(check, kChecked, BoxSide::Left), 0);
}

TEST_F(SkinnedCheckBoxes, BareCheckBoxesAndRadioButtons_ShowTheSkinsBoxOverTheNativeOne) {
    TBareWindow dialog;
    HWND check = dialog.AddChild(L"BUTTON", L"check", BS_AUTOCHECKBOX | WS_TABSTOP, {10, 10, 100, 17}, 10);
    HWND first = dialog.AddChild(L"BUTTON", L"first", BS_AUTORADIOBUTTON | WS_GROUP, {10, 40, 100, 17}, 11);
    HWND second = dialog.AddChild(L"BUTTON", L"second", BS_AUTORADIOBUTTON, {10, 60, 100, 17}, 12);
    dialog.Show();
    for (HWND control : {check, first, second}) ASSERT_EQ(SendMessageW(control, SkinMessage::Query, 0, 0), 1);
    EXPECT_EQ(CheckMismatches(check, kUnchecked), 0);
    EXPECT_EQ(RadioMismatches(first, kUnchecked), 0);

    SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(CheckMismatches(check, kChecked), 0);
    SendMessageW(first, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(RadioMismatches(first, kChecked), 0);

    SendMessageW(second, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 8));
    SendMessageW(second, WM_LBUTTONUP, 0, MAKELPARAM(30, 8));
    EXPECT_EQ(SendMessageW(second, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(RadioMismatches(second, kChecked), 0);
    EXPECT_EQ(RadioMismatches(first, kUnchecked), 0);

    EnableWindow(second, FALSE);
    EXPECT_EQ(RadioMismatches(second, kCheckedDisabled), 0);
}

// They draw the cell of their glyph strip at their left edge, centred
// down: the skin's box in the state.
TEST_F(SkinnedCheckBoxes, ForeignCheckBoxesAndRadioButtonsShowTheSkinsBoxesAsTheirGlyphs) {
    TTestForm form;
    TGlyphCheckBox check, radio;
    check.Create(form, {.Bounds = {10, 10, 120, 20}, .Caption = "Rz", .Checked = true});
    radio.Create(form, {.ClassName = L"TRzRadioButton", .Bounds = {10, 40, 120, 20}, .Caption = "Rz", .Radio = true,
                        .Enabled = false});
    Show(form);
    for (const TGlyphCheckBox* box : {&check, &radio}) ASSERT_EQ(SendMessageW(box->Handle(), SkinMessage::Query, 0, 0), 1);
    // Under the corners, the control's own background, as between its box
    // and its caption.
    auto under = [](const TGlyphCheckBox& box) { return ClientPixels(box.Handle()).At(TGlyphCheckBox::kBoxSize + 2, 0); };
    EXPECT_EQ(BoxMismatches(check.Handle(), FlatButtons::kChecks[kChecked - 1], BoxSide::Left, under(check)), 0);
    EXPECT_EQ(BoxMismatches(radio.Handle(), FlatButtons::kRadios[kUncheckedDisabled - 1], BoxSide::Left, under(radio)), 0);
    // Which is the skin's button face, as on the form around it.
    Pixel face = PixelFromColor(MainSkin->Colours.ButtonFace);
    EXPECT_EQ(under(check), face);
    EXPECT_EQ(under(radio), face);
}

}  // namespace
