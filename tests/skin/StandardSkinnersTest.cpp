// The skinners of the standard controls on real windows of this process:
// each is attached where the skin has its elements, and paints them.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "gui/TrackBar.h"
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

}  // namespace
