// The skinners of bitmap, speed and menu buttons and media players, on real
// buttons of this
// process, the skin's Buttons element swapped for a flat-coloured one: the
// frame's colour round the edge, the button's own glyph cell or the menu
// arrow on the face.
#include <gtest/gtest.h>

#include <windows.h>

#include <utility>

#include "gui/BitBtn.h"
#include "gui/Edit.h"
#include "gui/MediaPlayer.h"
#include "gui/SpeedButton.h"
#include "skin/button/PushButtonLook.h"
#include "skin/manager/SkinMessages.h"
#include "tests/e2e/UiDriver.h"
#include "tests/gui/TestForm.h"
#include "tests/gui/TestGlyph.h"
#include "tests/skin/FlatButtons.h"
#include "tests/skin/ForeignButton.h"
#include "tests/skin/SkinnedControls.h"
#include "tests/skin/SkinnedWindows.h"

namespace {

class OtherButtonSkinners : public SkinnedWindows {
protected:
    void SetUp() override {
        SkinnedWindows::SetUp();
        ui::PointAt(GetDesktopWindow(), {2, 2});  // no button is hot
    }
    static bool Skinned(const TWinControl& control) {
        return SendMessageW(control.Handle(), SkinMessage::Query, 0, 0) == 1;
    }
    static Pixel ButtonFace() { return PixelFromColor(MainSkin->Colours.ButtonFace); }
    static int EdgeMismatches(const TWinControl& button, int frame) {
        return FlatButtons::EdgeMismatches(ClientPixels(button.Handle()), frame);
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
        EXPECT_EQ(EdgeMismatches(button, frame), 0);
        EXPECT_EQ(GlyphMiddle(button), PixelOf(kTestGlyphDots[cell]));
    }

    TBitmap glyph = MakeTestGlyph(4);
    TSwappedIn<TSkinButtonElement> flat{MainSkin->Buttons, FlatButtons::Element()};
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
    EXPECT_EQ(EdgeMismatches(form.Raised, PushButtonFrame::Normal), 0);
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

// A 100 x 30 button: 2 pixels in from its edge and 4 from the arrow's
// right end, the 7-pixel arrow narrows over 4 rows to its tip, centred down.
TEST_F(OtherButtonSkinners, AMenuButtonShowsTheSkinsButtonWithItsArrowInTheCaptionColour) {
    MenuButtonForm form;
    Show(form);
    ASSERT_TRUE(Skinned(form.Menu));
    EXPECT_EQ(EdgeMismatches(form.Menu, PushButtonFrame::Normal), 0);
    PixelBuffer shown = ClientPixels(form.Menu.Handle());
    const Pixel arrow = PixelFromColor(FlatButtons::kNormalText);
    EXPECT_EQ(FlatButtons::InkColours(shown, PushButtonFrame::Normal), (std::map<Pixel, int>{{arrow, 7 + 5 + 3 + 1}}));
    for (POINT at : {POINT{87, 13}, POINT{93, 13}, POINT{88, 14}, POINT{89, 15}, POINT{90, 16}})
        EXPECT_EQ(shown.At(at.x, at.y), arrow) << at.x << "," << at.y;
}

class MediaPlayerSkinner : public OtherButtonSkinners {
protected:
    void SetUp() override {
        OtherButtonSkinners::SetUp();
        player.Create(form, {.Bounds = {10, 10, 180, 24}, .ColoredButtons = {}});
        player.OnClick = [this](TMediaPlayer*, TMPBtnType button) { clicked.push_back(button); };
        partPlayer.Create(form, {.Bounds = {10, 50, 90, 24},
                                 .VisibleButtons = {TMPBtnType::btPlay, TMPBtnType::btStop},
                                 .EnabledButtons = {TMPBtnType::btPlay}});
        partPlayer.OnClick = [this](TMediaPlayer*, TMPBtnType button) { clicked.push_back(button); };
        Show(form);
    }
    // The cell's edge, round the glyph in its middle.
    static int CellMismatches(const TMediaPlayer& on, const TMPButtonCell& cell, int frame) {
        PixelBuffer shown = ClientPixels(on.Handle());
        return FlatButtons::EdgeMismatches(shown, {cell.Left, 0, cell.Width, shown.Height()}, frame);
    }
    static HWND PanelOf(const TMediaPlayer& on) { return GetWindow(on.Handle(), GW_CHILD); }
    static LPARAM Middle(const TMPButtonCell& cell) { return MAKELPARAM(cell.Left + cell.Width / 2, 3); }
    static void Send(const TMediaPlayer& on, UINT message, LPARAM at) {
        SendMessageW(PanelOf(on), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
        UpdateWindow(PanelOf(on));
    }
    static void ClickAt(const TMediaPlayer& on, const TMPButtonCell& cell) {
        Send(on, WM_LBUTTONDOWN, Middle(cell));
        Send(on, WM_LBUTTONUP, Middle(cell));
    }

    TTestForm form;
    TMediaPlayer player, partPlayer;
    std::vector<TMPBtnType> clicked;
};

TEST_F(MediaPlayerSkinner, ShowsEachVisibleButtonAsTheSkinsButton) {
    ASSERT_TRUE(Skinned(player));
    std::vector<TMPButtonCell> cells = player.Cells();
    ASSERT_EQ(cells.size(), 9u);
    for (const TMPButtonCell& cell : cells) EXPECT_EQ(CellMismatches(player, cell, PushButtonFrame::Normal), 0);
}

TEST_F(MediaPlayerSkinner, AButtonLeftOutOfEnabledButtonsShowsTheDisabledButton) {
    std::vector<TMPButtonCell> cells = partPlayer.Cells();
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(CellMismatches(partPlayer, cells[0], PushButtonFrame::Normal), 0);
    EXPECT_EQ(CellMismatches(partPlayer, cells[1], PushButtonFrame::Disabled), 0);
}

// As native buttons do: the press follows the pointer out and back, and
// only a release over the pressed button clicks it.
TEST_F(MediaPlayerSkinner, APressLooksPressedOnlyWhileThePointerIsOverAndClicksOnceOnReleaseOver) {
    const TMPButtonCell pressed = player.Cells()[2], other = player.Cells()[3];
    Send(player, WM_LBUTTONDOWN, Middle(pressed));
    EXPECT_EQ(GetCapture(), PanelOf(player));
    EXPECT_EQ(CellMismatches(player, pressed, PushButtonFrame::Pressed), 0);
    Send(player, WM_MOUSEMOVE, Middle(other));
    EXPECT_EQ(CellMismatches(player, pressed, PushButtonFrame::Normal), 0);
    EXPECT_EQ(CellMismatches(player, other, PushButtonFrame::Normal), 0);
    Send(player, WM_MOUSEMOVE, Middle(pressed));
    EXPECT_EQ(CellMismatches(player, pressed, PushButtonFrame::Pressed), 0);
    Send(player, WM_LBUTTONUP, Middle(pressed));
    EXPECT_EQ(clicked, (std::vector<TMPBtnType>{pressed.Button}));
    EXPECT_EQ(GetCapture(), nullptr);

    Send(player, WM_LBUTTONDOWN, Middle(pressed));
    Send(player, WM_MOUSEMOVE, Middle(other));
    Send(player, WM_LBUTTONUP, Middle(other));
    EXPECT_EQ(clicked.size(), 1u);
}

TEST_F(MediaPlayerSkinner, LosingTheCaptureEndsAPressWithoutAClick) {
    const TMPButtonCell cell = player.Cells()[2];
    Send(player, WM_LBUTTONDOWN, Middle(cell));
    ReleaseCapture();
    UpdateWindow(PanelOf(player));
    EXPECT_NE(CellMismatches(player, cell, PushButtonFrame::Pressed), 0);
    Send(player, WM_LBUTTONUP, Middle(cell));
    EXPECT_TRUE(clicked.empty());
}

TEST_F(MediaPlayerSkinner, AClickReachesThePlayerOnlyOnAnEnabledButton) {
    ClickAt(player, player.Cells()[4]);
    ClickAt(partPlayer, partPlayer.Cells()[1]);
    ClickAt(partPlayer, partPlayer.Cells()[0]);
    EXPECT_EQ(clicked, (std::vector<TMPBtnType>{TMPBtnType::btPrev, TMPBtnType::btPlay}));
}

}  // namespace
