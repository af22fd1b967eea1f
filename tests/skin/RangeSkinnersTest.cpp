// The skinners of up-downs, progress bars, track bars and status bars on
// real windows of this process, drawing flat elements of the test's own.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "gui/ProgressBar.h"
#include "gui/StatusBar.h"
#include "gui/TrackBar.h"
#include "gui/UpDown.h"
#include "skin/manager/SkinMessages.h"
#include "tests/e2e/UiDriver.h"
#include "tests/gui/TestForm.h"
#include "tests/gui/WindowWatch.h"
#include "tests/skin/FlatElements.h"
#include "tests/skin/SkinnedControls.h"
#include "tests/skin/SkinnedWindows.h"

using namespace std::chrono_literals;

namespace {

bool Skinned(const TWinControl& control) { return SendMessageW(control.Handle(), SkinMessage::Query, 0, 0) == 1; }

Pixel ShownAt(const TWinControl& control, POINT at) { return ClientPixels(control.Handle()).At(at.x, at.y); }

// The left button as a person presses and releases it, wherever the
// pointer is.
void LeftButton(bool down) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
}

// Button frames 1..8 (first button normal, pressed, hot, disabled, then
// the second's), and glyph frames of a 2 x 2 dot in a magenta ring.
const std::vector<Pixel> kButtonFrames = {0x110000, 0x220000, 0x330000, 0x440000,
                                          0x550000, 0x660000, 0x770000, 0x880000};
Pixel GlyphColour(int frame) { return Pixel(0x000011 * frame); }

std::unique_ptr<TSkinBorderElement> FlatUpDown() {
    auto element = FlatElement<TSkinBorderElement>(kButtonFrames);
    element->Image2 = PixelBuffer(4 * 8, 4, kMagenta);
    for (int frame = 1; frame <= 8; ++frame) element->Image2.Fill({4 * (frame - 1) + 1, 1, 2, 2}, GlyphColour(frame));
    return element;
}

// An upright up-down of 16 x 24: buttons of 16 x 12, each glyph's dot at
// (7..8, 5..6) of its button, its ring from (6, 4).
class UpDownSkinner : public SkinnedWindows {
protected:
    void SetUp() override {
        SkinnedWindows::SetUp();
        SetCursorPos(0, 0);  // off the buttons, which it would make hot
        upDown.Create(form, {.Bounds = {10, 10, 16, 24}});
        Show(form);
    }
    // The frame each button shows: its face, its glyph's dot, and the face
    // through the glyph's ring.
    void ExpectButtonFrames(int first, int second) const {
        for (auto [top, frame] : {std::pair{0, first}, {12, second}}) {
            Pixel face = kButtonFrames[size_t(frame - 1)];
            EXPECT_EQ(ShownAt(upDown, {1, top + 1}), face) << frame;
            EXPECT_EQ(ShownAt(upDown, {8, top + 6}), GlyphColour(frame)) << frame;
            EXPECT_EQ(ShownAt(upDown, {6, top + 4}), face) << frame;
        }
    }

    TSwappedIn<std::unique_ptr<TSkinBorderElement>> element{MainSkin->UpDownVert, FlatUpDown()};
    TTestForm form;
    TUpDown upDown;
    const POINT secondButton = {8, 18};
};

TEST_F(UpDownSkinner, ShowsEachButtonWithItsGlyphInTheFrameOfItsState) {
    ASSERT_TRUE(Skinned(upDown));
    ExpectButtonFrames(1, 5);
    upDown.SetEnabled(false);
    ExpectButtonFrames(4, 8);
}

TEST_F(UpDownSkinner, APressShowsPressedWhileThePointerIsOverTheButton) {
    ui::PointAt(upDown.Handle(), secondButton);
    PumpFor(50ms);
    ExpectButtonFrames(1, 7);
    LeftButton(true);
    PumpFor(50ms);
    ExpectButtonFrames(1, 6);
    ui::PointAt(form.Handle(), {150, 100});
    PumpFor(50ms);
    ExpectButtonFrames(1, 5);
    ui::PointAt(upDown.Handle(), secondButton);
    PumpFor(50ms);
    ExpectButtonFrames(1, 6);
    LeftButton(false);
    PumpFor(50ms);
    ExpectButtonFrames(1, 7);
}

// The person lets go of the button over the message box, then closes it.
void CALLBACK ReleaseAndClose(HWND box, UINT, UINT_PTR, DWORD) {
    KillTimer(box, 1);
    LeftButton(false);
    PumpFor(50ms);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// The handler's message box takes the release; the up-down never hears it.
TEST_F(UpDownSkinner, AMessageBoxFromTheChangeHandlerLeavesNoButtonPressed) {
    int changes = 0;
    upDown.OnChange = [&](TObject*) {
        if (changes++ == 0) MessageBoxW(form.Handle(), L"changed", L"up-down", MB_OK);
    };
    WindowWatch watch(L"#32770", HCBT_ACTIVATE, [](HWND box) { SetTimer(box, 1, 100, ReleaseAndClose); });
    ui::PointAt(upDown.Handle(), secondButton);
    PumpFor(50ms);
    LeftButton(true);
    PumpFor(500ms);
    ASSERT_GE(changes, 1);
    ui::PointAt(upDown.Handle(), secondButton);
    PumpFor(100ms);
    ExpectButtonFrames(1, 7);
}

// A trough of its level and upright frames, chunks 6 pixels long.
const Pixel kTrough = 0x303030, kUprightTrough = 0x404040, kChunk = 0x00C000;

class ProgressBarSkinner : public SkinnedWindows {
protected:
    TSwappedIn<std::unique_ptr<TSkinElement>> trough{MainSkin->Progress, FlatElement({kTrough, kUprightTrough})};
    TSwappedIn<std::unique_ptr<TSkinElement>> chunk{MainSkin->Elements["Progress.Chunk"], FlatElement({kChunk}, 6)};
    TTestForm form;
};

// The chunks stand 2 pixels inside the trough and fill the share of its
// inside that the position gives, the last chunk begun shown whole.
TEST_F(ProgressBarSkinner, ShowsTheTroughWithChunksOverTheFilledShare) {
    TProgressBar level, upright;
    level.Create(form, {.Bounds = {10, 10, 104, 16}, .Position = 50});
    upright.Create(form, {.Bounds = {150, 10, 16, 104}, .Position = 50, .Orientation = TOrientation::Vertical});
    Show(form);
    ASSERT_TRUE(Skinned(level));
    ASSERT_EQ(ClientSize(level).cx, 104);
    ASSERT_EQ(ClientSize(upright).cy, 104);
    // Half the inside of 100 is 50 pixels: 9 chunks of 6, the last to 54.
    struct {
        const TProgressBar& Bar;
        POINT At;
        Pixel Expected;
    } const cases[] = {
        {level, {1, 8}, kTrough},           {level, {2, 2}, kChunk},         {level, {55, 13}, kChunk},
        {level, {56, 8}, kTrough},          {level, {30, 14}, kTrough},      {upright, {8, 101}, kChunk},
        {upright, {8, 48}, kChunk},         {upright, {8, 47}, kUprightTrough}, {upright, {1, 80}, kUprightTrough},
    };
    for (const auto& c : cases) EXPECT_EQ(ShownAt(c.Bar, c.At), c.Expected) << c.At.x << "," << c.At.y;
    level.SetPosition(80);
    EXPECT_EQ(ShownAt(level, {85, 8}), kChunk);
    EXPECT_EQ(ShownAt(level, {86, 8}), kTrough);
}

// A level channel, and thumbs of 11 x 20 in five frames: normal, pressed,
// disabled, hot, focused.
const Pixel kChannel = 0x0000C0;
const std::vector<Pixel> kThumbFrames = {0x101000, 0x202000, 0x303000, 0x404000, 0x505000};

class TrackBarChannelAndThumb : public SkinnedWindows {
protected:
    void SetUp() override {
        SkinnedWindows::SetUp();
        SetCursorPos(0, 0);  // off the thumb, which it would make hot
        bar.Create(form, {.Bounds = {10, 10, 160, 34}, .Min = 0, .Max = 10, .Position = 10});
        Show(form);
        SendMessageW(bar.Handle(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    }
    // The thumb's middle row, where the control's own thumb has its middle.
    int ThumbMiddle() const {
        RECT thumb;
        SendMessageW(bar.Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        return (thumb.top + thumb.bottom) / 2;
    }

    TSwappedIn<std::unique_ptr<TSkinElement>> track{MainSkin->Elements["Track"], FlatElement({kChannel})};
    TSwappedIn<std::unique_ptr<TSkinElement>> thumb{MainSkin->Elements["Trackbar.ThumbDown"],
                                                  FlatElement(kThumbFrames, 11, 20)};
    TTestForm form;
    TTrackBar bar;
    RECT channel = {};
};

// At the range's end the thumb's right edge meets the channel's; the bar
// stands on the skin's button face.
TEST_F(TrackBarChannelAndThumb, TheThumbStandsAtItsPositionOnTheChannelInTheFrameOfItsState) {
    ASSERT_TRUE(Skinned(bar));
    EXPECT_EQ(ShownAt(bar, {2, 2}), PixelFromColor(MainSkin->Colours.ButtonFace));
    int middle = ThumbMiddle(), channelMiddle = (channel.top + channel.bottom) / 2;
    Pixel thumbColour = kThumbFrames[GetFocus() == bar.Handle() ? 4 : 0];
    EXPECT_EQ(ShownAt(bar, {channel.right - 1, middle + 9}), thumbColour);
    EXPECT_EQ(ShownAt(bar, {channel.right - 11, middle - 10}), thumbColour);
    EXPECT_EQ(ShownAt(bar, {channel.right - 12, channelMiddle}), kChannel);
    EXPECT_EQ(ShownAt(bar, {channel.left, channelMiddle}), kChannel);
    bar.SetPosition(0);
    bar.SetEnabled(false);
    UpdateWindow(bar.Handle());
    EXPECT_EQ(ShownAt(bar, {channel.left, ThumbMiddle()}), kThumbFrames[2]);
    EXPECT_EQ(ShownAt(bar, {channel.left + 11, channelMiddle}), kChannel);
}

// The bar, its sunken panels, and its size grip.
const Pixel kBar = 0x606000, kPanel = 0x006060, kGrip = 0x600060;

class StatusBarSkinner : public SkinnedWindows {
protected:
    TSwappedIn<std::unique_ptr<TSkinElement>> edges{MainSkin->Elements["StatusBarEdges"],
                                                  FlatElement({kBar, kPanel, kGrip})};
    TTestForm form;
    TStatusBar bar;
};

// Panels stand 2 pixels apart and in from the left, 2 below the top and 1
// above the bottom; the last one ends 2 pixels before the bar's end.
TEST_F(StatusBarSkinner, ShowsASunkenPanelForEachPartOnTheBar) {
    bar.Create(form, {.Bounds = {0, 120, 200, 22}, .Panels = {{"Ready", 80}, {"", 120}}});
    Show(form);
    ASSERT_TRUE(Skinned(bar));
    SIZE size = ClientSize(bar);
    ASSERT_EQ(size.cx, 200);
    int bottom = size.cy - 1;
    struct {
        POINT At;
        Pixel Expected;
    } const cases[] = {
        {{1, 10}, kBar},    {{2, 2}, kPanel},    {{79, bottom - 1}, kPanel}, {{80, 10}, kBar}, {{81, 10}, kBar},
        {{82, 10}, kPanel}, {{197, 10}, kPanel}, {{198, 10}, kBar},          {{100, 1}, kBar}, {{100, bottom}, kBar},
    };
    for (const auto& c : cases) EXPECT_EQ(ShownAt(bar, c.At), c.Expected) << c.At.x << "," << c.At.y;
    bar.SetSimplePanel(true);
    UpdateWindow(bar.Handle());
    EXPECT_EQ(ShownAt(bar, {81, 10}), kPanel);
}

}  // namespace
