// The caption buttons and the menu bar of a skinned window under the mouse,
// moved and pressed through the system's input queue as a person does.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <vector>

#include "gui/Menus.h"
#include "gui/Subclass.h"
#include "skin/data/SkinGdi.h"
#include "tests/gui/TestForm.h"
#include "tests/gui/TimerTicks.h"
#include "tests/skin/SkinnedWindows.h"

using namespace std::chrono_literals;

namespace {
// The skin's minimise button: 17 x 15 frames (normal, pressed, hot,
// disabled), 59 pixels from the window's right edge, 7 from its top.
const int kFromRight = 59, kTop = 7, kWidth = 17, kHeight = 15;
enum Frame { NormalFrame = 0, PressedFrame = 1, HotFrame = 2 };

// A form with a minimise box and a menu bar of one menu.
class MinimisableForm : public TForm {
public:
    MinimisableForm()
        : TForm({.ClassName = L"TTestForm", .Caption = "test", .ClientWidth = 200, .ClientHeight = 150,
                 .MinimizeBox = true}) {
        File.Add({&Command});
        Bar.Add({&File});
        SetMainMenu(Bar);
    }
    TMainMenu Bar;
    TMenuItem File{"&File"};
    TMenuItem Command{"a"};
};

// Counts the minimise commands the window gets, and keeps the window as it is.
class MinimiseCounter : public TSubclass {
public:
    int Count = 0;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_SYSCOMMAND || (wParam & 0xFFF0) != SC_MINIMIZE) return CallDefault(message, wParam, lParam);
        ++Count;
        return 0;
    }
};

void SendMouse(DWORD flags, POINT at = {}) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | (flags & MOUSEEVENTF_MOVE ? MOUSEEVENTF_ABSOLUTE : 0);
    SendInput(1, &input, sizeof input);
    PumpFor(80ms);
}

enum class Act { PointAt, Press, Release, SlipOff, LoseCapture, LoseActivation };

struct Step {
    Act act;
    Frame shown;  // the frame of the button's image on screen afterwards
};

struct Gesture {
    const char* name;
    std::vector<Step> steps;
    int clicks;
};

class FrameMouse : public SkinnedWindows {
protected:
    void SetUp() override {
        SkinnedWindows::SetUp();
        Show(form);
        ASSERT_NE(FrameOf(form), nullptr);
        ASSERT_TRUE(counter.Attach(form.Handle()));
        for (const TSkinSysButtonElement& button : MainSkin->CaptionButtons)
            if (button.Action == 2) minimise = &button;
        ASSERT_NE(minimise, nullptr);
        ASSERT_EQ(minimise->Image.Width(), 4 * kWidth);
        ASSERT_EQ(minimise->Image.Height(), kHeight);
        Show(other);
        SetWindowPos(other.Handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    POINT OnButton(int x, int y) const {
        RECT bounds;
        GetWindowRect(form.Handle(), &bounds);
        return {bounds.right - kFromRight + x, bounds.top + kTop + y};
    }
    POINT ButtonCentre() const { return OnButton(kWidth / 2, kHeight / 2); }
    // Right of the window, level with the button.
    POINT Outside() const { return OnButton(kFromRight + 30, kHeight / 2); }
    POINT OnMenuBar(int x, int y) const {
        RECT bounds;
        GetWindowRect(form.Handle(), &bounds);
        const FrameMetrics& metrics = FrameOf(form)->Metrics();
        return {bounds.left + metrics.Left + x, bounds.top + metrics.Caption + y};
    }
    POINT OnMenuItem() const { return OnMenuBar(16, FrameOf(form)->Metrics().MenuBar / 2); }

    // Pixels of the skin's highlight colour along the top row of the menu
    // bar's first 60 pixels: the frame of the first item, when it is framed.
    int FramedPixels() const {
        COLORREF highlight = ToColorRef(MainSkin->Colours.ButtonHilight);
        HDC screen = GetDC(nullptr);
        int framed = 0;
        for (int x = 0; x < 60; ++x) {
            POINT at = OnMenuBar(x, 0);
            framed += GetPixel(screen, at.x, at.y) == highlight;
        }
        ReleaseDC(nullptr, screen);
        return framed;
    }

    // The button's left edge and top row as the screen shows them, against
    // the same pixels of one frame of the skin's image.
    bool Shows(Frame frame) const {
        HDC screen = GetDC(nullptr);
        bool same = true;
        for (POINT at : {POINT{0, kHeight / 2}, POINT{1, kHeight / 2}, POINT{kWidth / 2, 0}, POINT{kWidth / 2, 1}}) {
            POINT onScreen = OnButton(at.x, at.y);
            COLORREF expected = COLORREF(ColorFromPixel(minimise->Image.At(frame * kWidth + at.x, at.y)));
            same = same && GetPixel(screen, onScreen.x, onScreen.y) == expected;
        }
        ReleaseDC(nullptr, screen);
        return same;
    }

    void Perform(Act act) {
        switch (act) {
        case Act::PointAt:
            return SendMouse(MOUSEEVENTF_MOVE, ButtonCentre());
        case Act::Press:
            return SendMouse(MOUSEEVENTF_LEFTDOWN);
        case Act::Release:
            return SendMouse(MOUSEEVENTF_LEFTUP);
        case Act::SlipOff:
            return SendMouse(MOUSEEVENTF_MOVE, Outside());
        case Act::LoseCapture:
            ReleaseCapture();
            break;
        case Act::LoseActivation:
            SetForegroundWindow(other.Handle());
            break;
        }
        PumpFor(80ms);
    }

    MinimisableForm form;
    TTestForm other;
    MinimiseCounter counter;
    const TSkinSysButtonElement* minimise = nullptr;
};

TEST_F(FrameMouse, ACaptionButtonLooksPressedWhileThePointerIsOverIt_AndClicksOnceOnAReleaseOverIt) {
    using enum Act;
    const Gesture gestures[] = {
        {"press, release", {{PointAt, HotFrame}, {Press, PressedFrame}, {Release, HotFrame}}, 1},
        {"press, slip off, come back, release",
         {{PointAt, HotFrame}, {Press, PressedFrame}, {SlipOff, NormalFrame}, {PointAt, PressedFrame}, {Release, HotFrame}},
         1},
        {"press, slip off, release outside",
         {{PointAt, HotFrame}, {Press, PressedFrame}, {SlipOff, NormalFrame}, {Release, NormalFrame}},
         0},
        {"press, capture taken, release over it",
         {{PointAt, HotFrame}, {Press, PressedFrame}, {LoseCapture, NormalFrame}, {Release, HotFrame}},
         0},
        {"hover, another window activated", {{PointAt, HotFrame}, {LoseActivation, NormalFrame}}, 0},
        {"press, another window activated, release over it",
         {{PointAt, HotFrame}, {Press, PressedFrame}, {LoseActivation, NormalFrame}, {Release, NormalFrame}},
         0},
    };
    for (const Gesture& gesture : gestures) {
        SCOPED_TRACE(gesture.name);
        // A press soon after the last release would be a double click, which presses nothing.
        PumpFor(std::chrono::milliseconds(GetDoubleClickTime()));
        SendMouse(MOUSEEVENTF_MOVE, Outside());
        SetForegroundWindow(form.Handle());
        ASSERT_TRUE(PumpUntil([&] { return FrameOf(form)->Active() && Shows(NormalFrame); }));
        counter.Count = 0;
        for (size_t i = 0; i < gesture.steps.size(); ++i) {
            Perform(gesture.steps[i].act);
            EXPECT_TRUE(Shows(gesture.steps[i].shown)) << "step " << i;
        }
        PumpFor(100ms);
        EXPECT_EQ(counter.Count, gesture.clicks);
    }
}

// A window at rest costs no timer messages: the caption timer ticks only
// while the pointer is over a caption button or a menu bar item.
TEST_F(FrameMouse, TheCaptionTimerTicksOnlyWhileThePointerIsOverAPart) {
    SendMouse(MOUSEEVENTF_MOVE, Outside());
    SetForegroundWindow(form.Handle());
    ASSERT_TRUE(PumpUntil([&] { return FrameOf(form)->Active(); }));
    EXPECT_EQ(TimerTicksDuring(600ms), 0);
    for (POINT part : {ButtonCentre(), OnMenuItem()}) {
        SendMouse(MOUSEEVENTF_MOVE, part);
        EXPECT_GT(TimerTicksDuring(600ms), 0);
        SendMouse(MOUSEEVENTF_MOVE, Outside());
        // Once the tick that finds the pointer gone has come, none follows.
        bool stopped = false;
        for (int i = 0; i < 4 && !stopped; ++i) stopped = TimerTicksDuring(600ms) == 0;
        EXPECT_TRUE(stopped);
    }
}

TEST_F(FrameMouse, TheMenuBarItemUnderThePointerIsFramedWhileTheWindowIsActive) {
    SendMouse(MOUSEEVENTF_MOVE, Outside());
    SetForegroundWindow(form.Handle());
    ASSERT_TRUE(PumpUntil([&] { return FrameOf(form)->Active() && FramedPixels() == 0; }));
    SendMouse(MOUSEEVENTF_MOVE, OnMenuItem());
    EXPECT_TRUE(PumpUntil([&] { return FramedPixels() > 0; }));
    SendMouse(MOUSEEVENTF_MOVE, Outside());
    EXPECT_TRUE(PumpUntil([&] { return FramedPixels() == 0; }));
    SendMouse(MOUSEEVENTF_MOVE, OnMenuItem());
    EXPECT_TRUE(PumpUntil([&] { return FramedPixels() > 0; }));
    SetForegroundWindow(other.Handle());
    EXPECT_TRUE(PumpUntil([&] { return FramedPixels() == 0; }));
}
}  // namespace
