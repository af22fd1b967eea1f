// The skinners of the standard controls on real windows of this process:
// each is attached where the skin has its elements, and paints them.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "gui/ProgressBar.h"
#include "gui/StatusBar.h"
#include "gui/TrackBar.h"
#include "gui/UpDown.h"
#include "skin/data/SkinGdi.h"
#include "skin/draw/ElementDrawing.h"
#include "skin/manager/SkinMessages.h"
#include "skin/progress/ProgressChunks.h"
#include "skin/statusbar/StatusBarLayout.h"
#include "skin/trackbar/TrackThumb.h"
#include "skin/updown/UpDownHalves.h"
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

TEST_F(StandardSkinners, AProgressBarShowsTheSkinsTroughAndChunks) {
    TTestForm form;
    TProgressBar bar;
    bar.Create(form, {.Bounds = {10, 10, 150, 18}, .Position = 50});
    Show(form);
    ASSERT_TRUE(Skinned(bar));

    const TSkinElement& trough = *MainSkin->Progress;
    const TSkinElement& chunk = *MainSkin->Element("Progress.Chunk");
    SIZE size = ClientSize(bar);
    int chunkLength = FrameCell(chunk.Picture(), 1).Width;
    std::vector<Rect> chunks = ProgressChunks(size.cx, size.cy, {0, 100, 50}, chunkLength);
    ASSERT_FALSE(chunks.empty());

    PixelBuffer troughPicture = ComposeElement(trough.Picture(), 1, size.cx, size.cy);
    int middle = size.cy / 2, beyond = size.cx - kProgressInset - 1;
    EXPECT_EQ(ClientPixel(bar, 0, middle), ElementPixel(troughPicture, 0, middle, trough.Trans));
    EXPECT_EQ(ClientPixel(bar, beyond, middle), ElementPixel(troughPicture, beyond, middle, trough.Trans));

    const Rect& first = chunks.front();
    PixelBuffer chunkPicture = ComposeElement(chunk.Picture(), 1, first.Width, first.Height);
    int x = first.Width / 2, y = first.Height / 2;
    ASSERT_NE(chunkPicture.At(x, y), troughPicture.At(first.Left + x, first.Top + y));
    EXPECT_EQ(ClientPixel(bar, first.Left + x, first.Top + y), ElementPixel(chunkPicture, x, y, chunk.Trans));
}

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

TEST_F(TrackBarSkinner, ShowsTheSkinsChannelAndThumbWhereItsPositionIs) {
    ASSERT_TRUE(Skinned(bar));
    ExpectTheSkinsThumb();
    const TSkinElement& track = *MainSkin->Element("Track");
    PixelBuffer channelPicture = ComposeElement(track.Picture(), 1, channel.Width, channel.Height);
    int along = channel.Width * 8 / 10, middle = channel.Height / 2;
    ASSERT_NE(channelPicture.At(along, middle), kMagenta);
    EXPECT_EQ(ClientPixel(bar, channel.Left + along, channel.Top + middle),
              COLORREF(ColorFromPixel(channelPicture.At(along, middle))));
}

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

// One button of an up-down as the skin gives it: the button's frame with
// its glyph centred over it.
PixelBuffer UpDownButtonPicture(const TSkinBorderElement& element, Rect button, int frame) {
    PixelBuffer picture = ComposeElement(element.Picture(), frame, button.Width, button.Height);
    ElementPicture glyph{&element.Image2};
    glyph.FrameCount = element.FrameCount;
    Rect cell = FrameCell(glyph, frame);
    Rect place = CentreGlyph({0, 0, button.Width, button.Height}, cell.Width, cell.Height);
    picture.Paste(ComposeElement(glyph, frame, cell.Width, cell.Height), place.Left, place.Top, true);
    return picture;
}

class UpDownSkinner : public StandardSkinners {
protected:
    void SetUp() override {
        StandardSkinners::SetUp();
        upDown.Create(form, {.Bounds = {10, 10, 16, 24}});
        Show(form);
        SIZE size = ClientSize(upDown);
        halves = SplitUpDown(size.cx, size.cy, false);
    }
    // How many pixels of the button on the control differ from the skin's.
    int DifferingPixels(Rect button, int frame) const {
        const TSkinBorderElement& element = *MainSkin->UpDownVert;
        PixelBuffer expected = UpDownButtonPicture(element, button, frame);
        int differing = 0;
        for (int y = 0; y < button.Height; ++y)
            for (int x = 0; x < button.Width; ++x)
                differing += ClientPixel(upDown, button.Left + x, button.Top + y) !=
                             ElementPixel(expected, x, y, element.Trans);
        return differing;
    }

    TTestForm form;
    TUpDown upDown;
    UpDownHalves halves;
};

TEST_F(UpDownSkinner, ShowsTheSkinsTwoButtonsWithTheirGlyphs) {
    ASSERT_TRUE(Skinned(upDown));
    EXPECT_EQ(DifferingPixels(halves.First, 1), 0);
    EXPECT_EQ(DifferingPixels(halves.Second, 5), 0);
}

TEST_F(UpDownSkinner, APressedButtonShowsItsPressedStateUntilReleased) {
    LPARAM point = MAKELPARAM(halves.Second.Left + 4, halves.Second.Top + 4);
    SendMessageW(upDown.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, point);
    EXPECT_EQ(DifferingPixels(halves.Second, 6), 0);
    EXPECT_EQ(DifferingPixels(halves.First, 1), 0);
    SendMessageW(upDown.Handle(), WM_LBUTTONUP, 0, point);
    // The mouse is still over it.
    EXPECT_EQ(DifferingPixels(halves.Second, 7), 0);
}

TEST_F(StandardSkinners, AStatusBarShowsTheSkinsBarAndASunkenPanelForEachPart) {
    TTestForm form;
    TStatusBar bar;
    bar.Create(form, {.Bounds = {0, 120, 200, 22}, .Panels = {{"Ready", 80}, {"", 120}}});
    Show(form);
    ASSERT_TRUE(Skinned(bar));

    const TSkinElement& edges = *MainSkin->Element("StatusBarEdges");
    SIZE size = ClientSize(bar);
    StatusBarLayout layout = LayOutStatusBar(size.cx, size.cy, {{80, -1}});
    ASSERT_EQ(layout.Panels.size(), 2u);
    PixelBuffer expected = ComposeElement(edges.Picture(), 1, size.cx, size.cy);
    for (const StatusPanelPlace& panel : layout.Panels)
        expected.Paste(ComposeElement(edges.Picture(), 2, panel.Area.Width, panel.Area.Height), panel.Area.Left,
                       panel.Area.Top, edges.Trans);
    // Between the panels, and in the second panel, which has no text.
    const Rect& second = layout.Panels[1].Area;
    for (POINT at : {POINT{second.Left - 1, size.cy / 2}, POINT{second.Left + second.Width / 2, size.cy / 2},
                     POINT{second.Left + 1, second.Top + 1}})
        EXPECT_EQ(ClientPixel(bar, at.x, at.y), ElementPixel(expected, at.x, at.y, edges.Trans))
            << at.x << "," << at.y;
}

}  // namespace
