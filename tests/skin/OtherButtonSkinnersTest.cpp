// The skinners of bitmap, speed and menu buttons, on real buttons of this
// process with the program's skin: the skin's button image round the edge,
// the button's own glyph cell or the menu arrow on the face.
#include <gtest/gtest.h>

#include <windows.h>

#include <utility>

#include "gui/BitBtn.h"
#include "gui/Edit.h"
#include "gui/SpeedButton.h"
#include "skin/button/GlyphButtonLook.h"
#include "skin/button/MenuButtonLayout.h"
#include "skin/button/PushButtonLook.h"
#include "skin/manager/SkinMessages.h"
#include "tests/gui/TestForm.h"
#include "tests/gui/TestGlyph.h"
#include "tests/skin/ElementPixels.h"
#include "tests/skin/ForeignButton.h"
#include "tests/skin/SkinnedControls.h"
#include "tests/skin/SkinnedWindows.h"

namespace {

class OtherButtonSkinners : public SkinnedWindows {
protected:
    static bool Skinned(const TWinControl& control) {
        return SendMessageW(control.Handle(), SkinMessage::Query, 0, 0) == 1;
    }
    static Pixel ButtonFace() { return PixelFromColor(MainSkin->Colours.ButtonFace); }
    static int RingMismatches(const TWinControl& button, int frame) {
        PixelBuffer shown = ClientPixels(button.Handle());
        return ButtonRingMismatches(shown, 0, 0, shown.Width(), shown.Height(), *MainSkin, frame, ButtonFace());
    }
    // The middle of the glyph of a button without a caption, which lies
    // centred on the face.
    static Pixel GlyphMiddle(const TWinControl& button) {
        PixelBuffer shown = ClientPixels(button.Handle());
        return shown.At(shown.Width() / 2, shown.Height() / 2);
    }

    // The skin's button image in the frame round the edge, the glyph's cell
    // in the middle.
    static void ExpectFrameAndGlyphCell(const TWinControl& button, int frame, int cell) {
        ASSERT_TRUE(Skinned(button));
        EXPECT_EQ(RingMismatches(button, frame), 0);
        EXPECT_EQ(GlyphMiddle(button), PixelOf(kTestGlyphDots[cell]));
    }

    TBitmap glyph = MakeTestGlyph(4);
};

class BitButtonForm : public TTestForm {
public:
    explicit BitButtonForm(HBITMAP glyph) {
        Box.Create(*this, {.Bounds = {10, 10, 100, 21}});
        Up.Create(*this, {.Bounds = {10, 40, 60, 30}, .Glyph = glyph, .NumGlyphs = 4});
        Off.Create(*this, {.Bounds = {80, 40, 60, 30}, .Glyph = glyph, .NumGlyphs = 4, .Enabled = false});
        Up.OnClick = [this](TObject*) { ++Clicks; };
    }
    TEdit Box;  // takes the focus when the form shows
    TBitBtn Up, Off;
    int Clicks = 0;
};

TEST_F(OtherButtonSkinners, ABitButtonShowsTheSkinsButtonWithItsGlyphCell) {
    BitButtonForm form(glyph.Get());
    Show(form);
    ExpectFrameAndGlyphCell(form.Up, PushButtonFrame::Normal, 0);
}

TEST_F(OtherButtonSkinners, APressedBitButtonShowsThePressedFrameAndGlyphCellAndClicksOnRelease) {
    BitButtonForm form(glyph.Get());
    Show(form);
    LPARAM middle = MAKELPARAM(30, 15);
    SendMessageW(form.Up.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
    ExpectFrameAndGlyphCell(form.Up, PushButtonFrame::Pressed, 2);
    SendMessageW(form.Up.Handle(), WM_LBUTTONUP, 0, middle);
    EXPECT_EQ(form.Clicks, 1);
}

TEST_F(OtherButtonSkinners, ADisabledBitButtonShowsTheDisabledFrameAndGlyphCell) {
    BitButtonForm form(glyph.Get());
    Show(form);
    ExpectFrameAndGlyphCell(form.Off, PushButtonFrame::Disabled, 1);
}

class SpeedButtonForm : public TTestForm {
public:
    explicit SpeedButtonForm(HBITMAP glyph) {
        Flat.Create(*this, {.Bounds = {10, 10, 40, 30}, .Glyph = glyph, .NumGlyphs = 4});
        Down.Create(*this, {.Bounds = {60, 10, 40, 30}, .Glyph = glyph, .NumGlyphs = 4, .GroupIndex = 1, .Down = true});
        Raised.Create(*this, {.Bounds = {110, 10, 40, 30}, .Glyph = glyph, .NumGlyphs = 4, .Flat = false});
    }
    TSpeedButton Flat, Down, Raised;
};

TEST_F(OtherButtonSkinners, AFlatSpeedButtonAtRestShowsOnlyTheFaceAndItsGlyph) {
    SpeedButtonForm form(glyph.Get());
    Show(form);
    ASSERT_TRUE(Skinned(form.Flat));
    EXPECT_EQ(ClientPixels(form.Flat.Handle()).At(1, 1), ButtonFace());
    EXPECT_EQ(GlyphMiddle(form.Flat), PixelOf(kTestGlyphDots[0]));
}

TEST_F(OtherButtonSkinners, ASpeedButtonThatStaysDownShowsThePressedFrameAndItsDownCell) {
    SpeedButtonForm form(glyph.Get());
    Show(form);
    ExpectFrameAndGlyphCell(form.Down, PushButtonFrame::Pressed, 3);
}

TEST_F(OtherButtonSkinners, ARaisedSpeedButtonShowsTheNormalFrame) {
    SpeedButtonForm form(glyph.Get());
    Show(form);
    ASSERT_TRUE(Skinned(form.Raised));
    EXPECT_EQ(RingMismatches(form.Raised, PushButtonFrame::Normal), 0);
}

class MenuButtonForm : public TTestForm {
public:
    MenuButtonForm() {
        Box.Create(*this, {.Bounds = {10, 10, 100, 21}});
        Menu.Create(*this, L"TRzMenuButton", {.Bounds = {10, 40, 100, 30}});
    }
    TEdit Box;  // takes the focus when the form shows
    TForeignButton Menu;
};

TEST_F(OtherButtonSkinners, AMenuButtonShowsTheSkinsButtonWithItsArrowInTheCaptionColour) {
    MenuButtonForm form;
    Show(form);
    ASSERT_TRUE(Skinned(form.Menu));
    EXPECT_EQ(RingMismatches(form.Menu, PushButtonFrame::Normal), 0);
    ASSERT_TRUE(MainSkin->Buttons.NormalTextGiven);
    SIZE size = ClientSize(form.Menu);
    Rect arrow = LayOutMenuButton(size.cx, size.cy, 2).Arrow;
    ASSERT_FALSE(arrow.Empty());
    PixelBuffer shown = ClientPixels(form.Menu.Handle());
    EXPECT_EQ(shown.At(arrow.Left + arrow.Width / 2, arrow.Top), PixelFromColor(MainSkin->Buttons.NormalTextColour));
    // The arrow narrows to its tip.
    EXPECT_NE(shown.At(arrow.Left, arrow.Top + arrow.Height - 1), PixelFromColor(MainSkin->Buttons.NormalTextColour));
}

TEST_F(OtherButtonSkinners, WithoutAButtonImageInTheSkin_TheseButtonsKeepTheirNativeLook) {
    PixelBuffer image = std::exchange(MainSkin->Buttons.Image, PixelBuffer());
    {
        BitButtonForm bitButtons(glyph.Get());
        SpeedButtonForm speedButtons(glyph.Get());
        Show(bitButtons);
        Show(speedButtons);
        EXPECT_FALSE(Skinned(bitButtons.Up));
        EXPECT_FALSE(Skinned(speedButtons.Raised));
        MenuButtonForm menuButtons;
        Show(menuButtons);
        EXPECT_FALSE(Skinned(menuButtons.Menu));
    }
    MainSkin->Buttons.Image = std::move(image);
}

}  // namespace
