// The push button skinner on real buttons of this process, the skin's
// Buttons element swapped for a flat-coloured one: each state shows its
// frame's colour and caption colour.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <string>

#include "gui/Button.h"
#include "gui/Edit.h"
#include "skin/button/PushButtonLook.h"
#include "skin/manager/SkinMessages.h"
#include "tests/gui/TestForm.h"
#include "tests/skin/FlatButtons.h"
#include "tests/skin/SkinnedControls.h"
#include "tests/skin/SkinnedWindows.h"

using namespace std::chrono_literals;

namespace {

class ButtonForm : public TTestForm {
public:
    explicit ButtonForm(const std::string& caption = "查询", TBounds bounds = {20, 40, 35, 21}) {
        Box.Create(*this, {.Bounds = {20, 10, 100, 21}});
        Button.Create(*this, {.Bounds = bounds, .Caption = caption});
        Button.OnClick = [this](TObject*) { ++Clicks; };
    }
    TEdit Box;  // takes the focus when the form shows
    TButton Button;
    int Clicks = 0;
};

LPARAM Centre(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return MAKELPARAM(client.right / 2, client.bottom / 2);
}

// The pointer comes onto the window, as the system tells it.
void PointAt(HWND window) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    SetCursorPos((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
    SendMessageW(window, WM_MOUSEMOVE, 0, Centre(window));
}

void PointAway() { SetCursorPos(2, 2); }

class SkinnedButtons : public SkinnedWindows {
protected:
    void SetUp() override {
        SkinnedWindows::SetUp();
        PointAway();
    }

    static Pixel ButtonFace() { return PixelFromColor(MainSkin->Colours.ButtonFace); }
    static int MismatchesNow(HWND button, int frame) {
        return FlatButtons::EdgeMismatches(ClientPixels(button), frame);
    }
    // Once the frame shows, or after two seconds: the screen may trail a
    // change of state, and some states wait on the system (the pointer's
    // leaving).
    static int EdgeMismatches(HWND button, int frame) {
        PumpUntil([&] { return MismatchesNow(button, frame) == 0; }, 2000ms);
        return MismatchesNow(button, frame);
    }
    static std::map<Pixel, int> Ink(HWND button, int frame) {
        return FlatButtons::InkColours(ClientPixels(button), frame);
    }
    static int InkOf(HWND button, int frame, TColor colour) { return Ink(button, frame)[PixelFromColor(colour)]; }

    // How many separate bands of rows the caption's ink lies in.
    static int InkBands(HWND button, int frame) {
        PixelBuffer shown = ClientPixels(button);
        int bands = 0;
        bool previous = false;
        for (int y = 2; y < shown.Height() - 2; ++y) {
            bool ink = false;
            for (int x = 2; x < shown.Width() - 2; ++x) ink = ink || shown.At(x, y) != FlatButtons::FrameColour(frame);
            if (ink && !previous) ++bands;
            previous = ink;
        }
        return bands;
    }

    TSwappedIn<TSkinButtonElement> flat{MainSkin->Buttons, FlatButtons::Element()};
};

TEST_F(SkinnedButtons, NormalHotPressedAndFocused_ShowTheirFramesAndCaptionColours) {
    ButtonForm form;
    Show(form);
    HWND button = form.Button.Handle();
    ASSERT_EQ(SendMessageW(button, SkinMessage::Query, 0, 0), 1);
    EXPECT_EQ(EdgeMismatches(button, PushButtonFrame::Normal), 0);
    EXPECT_GT(InkOf(button, PushButtonFrame::Normal, FlatButtons::kNormalText), 0);

    PointAt(button);
    EXPECT_EQ(EdgeMismatches(button, PushButtonFrame::Hot), 0);
    EXPECT_GT(InkOf(button, PushButtonFrame::Hot, FlatButtons::kHotText), 0);

    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, Centre(button));
    EXPECT_EQ(GetFocus(), button);
    EXPECT_EQ(EdgeMismatches(button, PushButtonFrame::Pressed), 0);
    EXPECT_GT(InkOf(button, PushButtonFrame::Pressed, FlatButtons::kPressedText), 0);
    EXPECT_EQ(form.Clicks, 0);

    SendMessageW(button, WM_LBUTTONUP, 0, Centre(button));
    EXPECT_EQ(form.Clicks, 1);
    EXPECT_EQ(EdgeMismatches(button, PushButtonFrame::Hot), 0);

    // Once the pointer has gone, the system says so and the focus shows.
    PointAway();
    EXPECT_EQ(EdgeMismatches(button, PushButtonFrame::Focused), 0);

    form.Box.SetFocus();
    EXPECT_EQ(EdgeMismatches(button, PushButtonFrame::Normal), 0);
    EXPECT_EQ(form.Clicks, 1);
}

// As native buttons do: the press follows the pointer out and back, and
// only a release over the button clicks it.
TEST_F(SkinnedButtons, APressLooksPressedOnlyWhileThePointerIsOverAndClicksOnceOnReleaseOver) {
    ButtonForm form;
    Show(form);
    HWND button = form.Button.Handle();
    const LPARAM outside = MAKELPARAM(-20, -20);
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, Centre(button));
    EXPECT_EQ(GetCapture(), button);
    SendMessageW(button, WM_MOUSEMOVE, MK_LBUTTON, outside);
    EXPECT_EQ(EdgeMismatches(button, PushButtonFrame::Focused), 0);
    SendMessageW(button, WM_MOUSEMOVE, MK_LBUTTON, Centre(button));
    EXPECT_EQ(EdgeMismatches(button, PushButtonFrame::Pressed), 0);
    SendMessageW(button, WM_LBUTTONUP, 0, Centre(button));
    EXPECT_EQ(form.Clicks, 1);
    EXPECT_EQ(GetCapture(), nullptr);

    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, Centre(button));
    SendMessageW(button, WM_MOUSEMOVE, MK_LBUTTON, outside);
    SendMessageW(button, WM_LBUTTONUP, 0, outside);
    EXPECT_EQ(form.Clicks, 1);
}

struct PressEnd {
    const char* Name;
    void (*End)(ButtonForm& form);
};

class EndedPresses : public SkinnedButtons, public ::testing::WithParamInterface<PressEnd> {};

TEST_P(EndedPresses, ReturnTheButtonToRestWithoutAClick) {
    ButtonForm form;
    Show(form);
    HWND button = form.Button.Handle();
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, Centre(button));
    ASSERT_EQ(EdgeMismatches(button, PushButtonFrame::Pressed), 0);
    GetParam().End(form);
    EXPECT_NE(MismatchesNow(button, PushButtonFrame::Pressed), 0);
    SendMessageW(button, WM_LBUTTONUP, 0, Centre(button));
    EXPECT_EQ(form.Clicks, 0);
}

const PressEnd kPressEnds[] = {
    {"CaptureLost", [](ButtonForm&) { ReleaseCapture(); }},
    {"FocusLost", [](ButtonForm& form) { form.Box.SetFocus(); }},
    {"CancelMode", [](ButtonForm& form) { SendMessageW(form.Button.Handle(), WM_CANCELMODE, 0, 0); }},
};
INSTANTIATE_TEST_SUITE_P(Ways, EndedPresses, ::testing::ValuesIn(kPressEnds),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(SkinnedButtons, ADisabledButtonShowsTheThirdFrameAndShadowTextWhateverTheMouseDoes) {
    ButtonForm form;
    form.Button.SetEnabled(false);
    Show(form);
    HWND button = form.Button.Handle();
    EXPECT_EQ(EdgeMismatches(button, PushButtonFrame::Disabled), 0);
    PointAt(button);
    EXPECT_EQ(EdgeMismatches(button, PushButtonFrame::Disabled), 0);
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, Centre(button));
    EXPECT_EQ(EdgeMismatches(button, PushButtonFrame::Disabled), 0);

    EXPECT_GT(InkOf(button, PushButtonFrame::Disabled, TColor(GetSysColor(COLOR_BTNSHADOW))), 0);
    EXPECT_EQ(InkOf(button, PushButtonFrame::Disabled, FlatButtons::kNormalText), 0);

    SendMessageW(button, WM_LBUTTONUP, 0, Centre(button));
    EXPECT_EQ(form.Clicks, 0);
    EXPECT_EQ(EdgeMismatches(button, PushButtonFrame::Disabled), 0);
}

TEST_F(SkinnedButtons, AButtonDisabledUnderThePressingPointerShowsTheThirdFrame) {
    ButtonForm form;
    Show(form);
    HWND button = form.Button.Handle();
    PointAt(button);
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, Centre(button));
    ASSERT_EQ(EdgeMismatches(button, PushButtonFrame::Pressed), 0);

    form.Button.SetEnabled(false);
    EXPECT_EQ(EdgeMismatches(button, PushButtonFrame::Disabled), 0);
    EXPECT_GT(InkOf(button, PushButtonFrame::Disabled, TColor(GetSysColor(COLOR_BTNSHADOW))), 0);
}

// As a dialog or other code presses a button without the mouse or the keyboard.
TEST_F(SkinnedButtons, PressedStateSetByMessage_ShowsThePressedFrameUntilCleared) {
    ButtonForm form;
    Show(form);
    HWND button = form.Button.Handle();
    SendMessageW(button, BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(EdgeMismatches(button, PushButtonFrame::Pressed), 0);
    SendMessageW(button, BM_SETSTATE, FALSE, 0);
    EXPECT_EQ(EdgeMismatches(button, PushButtonFrame::Normal), 0);
    EXPECT_EQ(form.Clicks, 0);
}

TEST_F(SkinnedButtons, TheSpaceBarOnTheFocusedButtonShowsThePressedFrameUntilReleased) {
    ButtonForm form;
    Show(form);
    HWND button = form.Button.Handle();
    form.Button.SetFocus();
    EXPECT_EQ(EdgeMismatches(button, PushButtonFrame::Focused), 0);

    SendMessageW(button, WM_KEYDOWN, VK_SPACE, 0x00390001);
    EXPECT_EQ(EdgeMismatches(button, PushButtonFrame::Pressed), 0);
    PumpFor(100ms);
    EXPECT_EQ(EdgeMismatches(button, PushButtonFrame::Pressed), 0);
    EXPECT_EQ(form.Clicks, 0);

    SendMessageW(button, WM_KEYUP, VK_SPACE, 0xC0390001);
    EXPECT_EQ(form.Clicks, 1);
    EXPECT_EQ(EdgeMismatches(button, PushButtonFrame::Focused), 0);
}

TEST_F(SkinnedButtons, ADoubleBarInTheCaptionGivesTwoLines) {
    {
        ButtonForm form("查询||查询", {20, 40, 90, 50});
        Show(form);
        PumpUntil([&] { return InkBands(form.Button.Handle(), PushButtonFrame::Normal) == 2; });
        EXPECT_EQ(InkBands(form.Button.Handle(), PushButtonFrame::Normal), 2);
    }
    ButtonForm form("查询查询", {20, 40, 90, 50});
    Show(form);
    PumpUntil([&] { return InkBands(form.Button.Handle(), PushButtonFrame::Normal) == 1; });
    EXPECT_EQ(InkBands(form.Button.Handle(), PushButtonFrame::Normal), 1);
}

TEST_F(SkinnedButtons, TagFiveThousandFiveHundredFiftyFive_ShowsTheParentsBackgroundAroundTheButton) {
    ButtonForm form;
    form.Button.Tag = 5555;
    TButton plain;
    plain.Create(form, {.Bounds = {110, 40, 75, 23}, .Caption = "b"});
    Show(form);
    const COLORREF green = RGB(0, 160, 0);
    form.SetColor(green);
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);

    EXPECT_EQ(ClientPixels(form.Button.Handle()).At(0, 0), PixelOf(green));
    EXPECT_EQ(EdgeMismatches(form.Button.Handle(), PushButtonFrame::Normal), 0);
    EXPECT_EQ(ClientPixels(plain.Handle()).At(0, 0), ButtonFace());
}

TEST_F(SkinnedButtons, Message13574_StopsThePaintingWithZeroAndResumesItWithOne) {
    ButtonForm form;
    Show(form);
    HWND button = form.Button.Handle();
    ASSERT_EQ(EdgeMismatches(button, PushButtonFrame::Normal), 0);

    SendMessageW(button, SkinMessage::PaintingSwitch, 0, 0);
    RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_GT(MismatchesNow(button, PushButtonFrame::Normal), 0);  // the native look
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, Centre(button));
    SendMessageW(button, WM_LBUTTONUP, 0, Centre(button));
    EXPECT_EQ(form.Clicks, 1);  // the native button's own click, once
    form.Box.SetFocus();

    SendMessageW(button, SkinMessage::PaintingSwitch, 1, 0);
    EXPECT_EQ(EdgeMismatches(button, PushButtonFrame::Normal), 0);
}

TEST_F(SkinnedButtons, BareButtonsOfADialog_ShowTheSkinAndPostTheirCommandWhenClicked) {
    TBareWindow dialog;
    HWND push = dialog.AddChild(L"BUTTON", L"push", BS_PUSHBUTTON, {10, 10, 75, 23}, 77);
    HWND ok = dialog.AddChild(L"BUTTON", L"OK", BS_DEFPUSHBUTTON, {100, 10, 75, 23}, IDOK);
    dialog.Show();
    ASSERT_EQ(SendMessageW(push, SkinMessage::Query, 0, 0), 1);
    EXPECT_EQ(EdgeMismatches(push, PushButtonFrame::Normal), 0);
    EXPECT_EQ(EdgeMismatches(ok, PushButtonFrame::Focused), 0);  // the default button

    SendMessageW(push, WM_LBUTTONDOWN, MK_LBUTTON, Centre(push));
    EXPECT_EQ(EdgeMismatches(push, PushButtonFrame::Pressed), 0);
    SendMessageW(push, WM_LBUTTONUP, 0, Centre(push));
    EXPECT_TRUE(dialog.Commands.empty());  // posted: it comes later
    PumpFor(50ms);
    ASSERT_EQ(dialog.Commands.size(), 1u);
    EXPECT_EQ(dialog.Commands[0].first, MAKEWPARAM(77, BN_CLICKED));
    EXPECT_EQ(dialog.Commands[0].second, reinterpret_cast<LPARAM>(push));
}

TEST_F(SkinnedButtons, EnterOnTheDefaultButtonOfADialogClicksItOnce) {
    TBareWindow dialog;
    HWND ok = dialog.AddChild(L"BUTTON", L"OK", BS_DEFPUSHBUTTON, {100, 10, 75, 23}, IDOK);
    dialog.Show();
    SetFocus(ok);
    MSG enter = {ok, WM_KEYDOWN, VK_RETURN, 0x001C0001};
    EXPECT_TRUE(IsDialogMessageW(dialog.Handle(), &enter));
    PumpFor(50ms);
    ASSERT_EQ(dialog.Commands.size(), 1u);
    EXPECT_EQ(LOWORD(dialog.Commands[0].first), IDOK);
}

WNDPROC buttonProcedure = nullptr;

LRESULT CALLBACK OtherModulesButton(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(buttonProcedure, window, message, wParam, lParam);
}

// A framework button of some other module met as a bare window: its
// command carries id 0, as that framework expects.
TEST_F(SkinnedButtons, ABareWindowOfClassTButton_ClicksWithIdZero) {
    HINSTANCE otherModule = GetModuleHandleW(L"kernel32.dll");
    WNDCLASSW otherClass = {};
    if (!GetClassInfoW(otherModule, L"TButton", &otherClass)) {
        ASSERT_TRUE(GetClassInfoW(nullptr, L"BUTTON", &otherClass));
        buttonProcedure = otherClass.lpfnWndProc;
        otherClass.lpfnWndProc = OtherModulesButton;
        otherClass.hInstance = otherModule;
        otherClass.lpszClassName = L"TButton";
        ASSERT_NE(RegisterClassW(&otherClass), 0);
    }
    TBareWindow dialog;
    HWND button = dialog.AddChild(L"TButton", L"other", BS_PUSHBUTTON, {10, 10, 75, 23}, 55, otherModule);
    dialog.Show();
    ASSERT_EQ(SendMessageW(button, SkinMessage::Query, 0, 0), 1);
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, Centre(button));
    SendMessageW(button, WM_LBUTTONUP, 0, Centre(button));
    PumpFor(50ms);
    ASSERT_EQ(dialog.Commands.size(), 1u);
    EXPECT_EQ(dialog.Commands[0].first, MAKEWPARAM(0, BN_CLICKED));
}

}  // namespace
