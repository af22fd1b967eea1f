// The skinners of the standard controls on real windows of this process:
// each is attached where the skin has its elements, and paints them.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "gui/GlyphCheckBox.h"
#include "gui/MediaPlayer.h"
#include "gui/TrackBar.h"
#include "skin/button/PushButtonLook.h"
#include "skin/checkbox/ToggleButtonLook.h"
#include "skin/data/SkinGdi.h"
#include "skin/draw/ElementDrawing.h"
#include "skin/manager/SkinMessages.h"
#include "skin/trackbar/TrackThumb.h"
#include "tests/gui/TestForm.h"
#include "tests/skin/SkinnedWindows.h"

namespace {

class StandardSkinners : public SkinnedWindows {
protected:
    static bool Skinned(const TWinControl& control) {
        return SendMessageW(control.Handle(), SkinMessage::Query, 0, 0) == 1;
    }
    static COLORREF ClientPixel(const TWinControl& control, int x, int y) {
        HDC dc = GetDC(control.Handle());
        COLORREF pixel = GetPixel(dc, x, y);
        ReleaseDC(control.Handle(), dc);
        return pixel;
    }
    // What a composed element leaves at (x, y), over the button face where
    // its magenta is left out.
    static COLORREF ElementPixel(const PixelBuffer& element, int x, int y, bool transparent) {
        Pixel pixel = element.At(x, y);
        if (transparent && pixel == kMagenta) return ToColorRef(MainSkin->Colours.ButtonFace);
        return COLORREF(ColorFromPixel(pixel));
    }
};

class TrackBarSkinner : public StandardSkinners {
protected:
    void SetUp() override {
        StandardSkinners::SetUp();
        bar.Create(form, {.Bounds = {10, 10, 160, 34}, .Min = 0, .Max = 10, .Position = 3});
        Show(form);
        RECT channelRect;
        SendMessageW(bar.Handle(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channelRect));
        channel = ChannelAlongBar({channelRect.left, channelRect.top, channelRect.right - channelRect.left,
                                   channelRect.bottom - channelRect.top},
                                  false);
    }
    // The middle of the skin's thumb where the position puts it.
    void ExpectTheSkinsThumb() const {
        RECT nativeThumb;
        SendMessageW(bar.Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&nativeThumb));
        TrackState state{0, 10, bar.Position()};
        const TSkinElement& thumb = *MainSkin->Element(TrackThumbElement(state));
        Rect cell = FrameCell(thumb.Picture(), 1);
        int across = (nativeThumb.top + nativeThumb.bottom) / 2;
        Rect placed = PlaceTrackThumb(channel, across, cell.Width, cell.Height, state);
        int frame = TrackThumbFrame({.Focused = GetFocus() == bar.Handle()});
        PixelBuffer picture = ComposeElement(thumb.Picture(), frame, placed.Width, placed.Height);
        int x = placed.Width / 2, y = placed.Height / 2;
        ASSERT_NE(picture.At(x, y), kMagenta);
        EXPECT_EQ(ClientPixel(bar, placed.Left + x, placed.Top + y), COLORREF(ColorFromPixel(picture.At(x, y))));
    }

    TTestForm form;
    TTrackBar bar;
    Rect channel;
};

TEST_F(TrackBarSkinner, StandsOnTheSkinsButtonFace) {
    EXPECT_EQ(ClientPixel(bar, 2, 2), ToColorRef(MainSkin->Colours.ButtonFace));
}

TEST_F(TrackBarSkinner, PaintingSwitchedOffAndOnAgainStillShowsTheSkin) {
    SendMessageW(bar.Handle(), SkinMessage::PaintingSwitch, 0, 0);
    SendMessageW(bar.Handle(), SkinMessage::PaintingSwitch, 1, 0);
    bar.SetPosition(7);
    UpdateWindow(bar.Handle());
    ExpectTheSkinsThumb();
}

class MediaPlayerSkinner : public StandardSkinners {
protected:
    void SetUp() override {
        StandardSkinners::SetUp();
        player.Create(form, {.Bounds = {10, 10, 180, 24}, .ColoredButtons = {}});
        player.OnClick = [this](TMediaPlayer*, TMPBtnType button) { clicked.push_back(button); };
        partPlayer.Create(form, {.Bounds = {10, 50, 90, 24},
                                 .VisibleButtons = {TMPBtnType::btPlay, TMPBtnType::btStop},
                                 .EnabledButtons = {TMPBtnType::btPlay}});
        partPlayer.OnClick = [this](TMediaPlayer*, TMPBtnType button) { clicked.push_back(button); };
        Show(form);
    }
    // How many pixels of the button's cell differ from the skin's button in
    // the frame, above and below its glyph.
    int DifferingPixels(const TMediaPlayer& on, const TMPButtonCell& cell, int frame) const {
        const TSkinButtonElement& buttons = MainSkin->Buttons;
        int height = ClientSize(on).cy;
        PixelBuffer expected = ComposeElement(buttons.Picture(), frame, cell.Width, height);
        int differing = 0, glyphTop = (height - kGlyphHeight) / 2;
        for (int y = 0; y < height; ++y) {
            if (y >= glyphTop && y < glyphTop + kGlyphHeight) continue;
            for (int x = 0; x < cell.Width; ++x)
                differing += ClientPixel(on, cell.Left + x, y) != ElementPixel(expected, x, y, buttons.Trans);
        }
        return differing;
    }
    static HWND PanelOf(const TMediaPlayer& on) { return GetWindow(on.Handle(), GW_CHILD); }
    static void ClickAt(const TMediaPlayer& on, const TMPButtonCell& cell) {
        LPARAM point = MAKELPARAM(cell.Left + cell.Width / 2, 3);
        SendMessageW(PanelOf(on), WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageW(PanelOf(on), WM_LBUTTONUP, 0, point);
    }

    TTestForm form;
    TMediaPlayer player, partPlayer;
    std::vector<TMPBtnType> clicked;
};

TEST_F(MediaPlayerSkinner, ShowsEachVisibleButtonAsTheSkinsButton) {
    ASSERT_TRUE(Skinned(player));
    std::vector<TMPButtonCell> cells = player.Cells();
    ASSERT_EQ(cells.size(), 9u);
    EXPECT_EQ(DifferingPixels(player, cells.front(), PushButtonFrame::Normal), 0);
    EXPECT_EQ(DifferingPixels(player, cells.back(), PushButtonFrame::Normal), 0);
}

TEST_F(MediaPlayerSkinner, AButtonLeftOutOfEnabledButtonsShowsTheDisabledButton) {
    std::vector<TMPButtonCell> cells = partPlayer.Cells();
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(DifferingPixels(partPlayer, cells[0], PushButtonFrame::Normal), 0);
    EXPECT_EQ(DifferingPixels(partPlayer, cells[1], PushButtonFrame::Disabled), 0);
}

TEST_F(MediaPlayerSkinner, APressedButtonShowsThePressedButtonUntilReleased) {
    const TMPButtonCell cell = player.Cells()[2];
    LPARAM point = MAKELPARAM(cell.Left + 2, 3);
    SendMessageW(PanelOf(player), WM_LBUTTONDOWN, MK_LBUTTON, point);
    UpdateWindow(PanelOf(player));
    EXPECT_EQ(DifferingPixels(player, cell, PushButtonFrame::Pressed), 0);
    SendMessageW(PanelOf(player), WM_LBUTTONUP, 0, point);
    UpdateWindow(PanelOf(player));
    EXPECT_NE(DifferingPixels(player, cell, PushButtonFrame::Pressed), 0);
}

TEST_F(MediaPlayerSkinner, AClickReachesThePlayerOnlyOnAnEnabledButton) {
    ClickAt(player, player.Cells()[4]);
    ClickAt(partPlayer, partPlayer.Cells()[1]);
    ClickAt(partPlayer, partPlayer.Cells()[0]);
    EXPECT_EQ(clicked, (std::vector<TMPBtnType>{TMPBtnType::btPrev, TMPBtnType::btPlay}));
}

// How many pixels of the box a foreign check box shows differ from the
// skin's box in the frame; its transparent pixels are left out.
int DifferingBoxPixels(const TGlyphCheckBox& box, const ElementPicture& picture, int frame) {
    Rect cell = FrameCell(picture, 1);
    PixelBuffer expected = ComposeElement(picture, frame, cell.Width, cell.Height);
    RECT client;
    GetClientRect(box.Handle(), &client);
    int boxTop = (client.bottom - TGlyphCheckBox::kBoxSize) / 2;
    int top = (2 * boxTop + TGlyphCheckBox::kBoxSize - cell.Height) / 2, differing = 0;
    HDC dc = GetDC(box.Handle());
    for (int y = 0; y < cell.Height; ++y)
        for (int x = 0; x < cell.Width; ++x)
            if (expected.At(x, y) != kMagenta)
                differing += GetPixel(dc, x, top + y) != COLORREF(ColorFromPixel(expected.At(x, y)));
    ReleaseDC(box.Handle(), dc);
    return differing;
}

TEST_F(StandardSkinners, ForeignCheckBoxesAndRadioButtonsShowTheSkinsBoxesAsTheirGlyphs) {
    TTestForm form;
    TGlyphCheckBox check, radio;
    check.Create(form, {.Bounds = {10, 10, 120, 20}, .Caption = "Rz", .Checked = true});
    radio.Create(form, {.ClassName = L"TRzRadioButton", .Bounds = {10, 40, 120, 20}, .Caption = "Rz", .Radio = true,
                        .Enabled = false});
    Show(form);
    ASSERT_TRUE(Skinned(check));
    ASSERT_TRUE(Skinned(radio));
    const TSkinButtonElement& buttons = MainSkin->Buttons;
    ElementPicture checkBox = {.Image = &buttons.CheckImage, .FrameCount = buttons.CheckFrameCount};
    ElementPicture radioBox = {.Image = &buttons.RadioImage, .FrameCount = buttons.RadioFrameCount};
    EXPECT_EQ(DifferingBoxPixels(check, checkBox, ToggleFrame(CheckMark::Checked, true, checkBox.FrameCount)), 0);
    EXPECT_EQ(DifferingBoxPixels(radio, radioBox, ToggleFrame(CheckMark::Unchecked, false, radioBox.FrameCount)), 0);
}

}  // namespace
