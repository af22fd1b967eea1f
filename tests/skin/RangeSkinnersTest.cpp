// The skinners of the standard controls on real windows of this process:
// each is attached where the skin has its elements, and paints them.
#include <gtest/gtest.h>

#include <windows.h>

#include "gui/ProgressBar.h"
#include "skin/ElementDrawing.h"
#include "skin/ProgressChunks.h"
#include "skin/SkinMessages.h"
#include "skin/win32/SkinGdi.h"
#include "tests/gui/TestForm.h"
#include "tests/skin/SkinnedWindows.h"

namespace {

class RangeSkinners : public SkinnedWindows {
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

TEST_F(RangeSkinners, AProgressBarShowsTheSkinsTroughAndChunks) {
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

}  // namespace
