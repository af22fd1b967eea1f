// The native picture of a skinned control never reaches the screen before
// the skin's. A spy laid on the control before the skin came lies below the
// skinner; as the control's own procedure returns from a message after
// which the control looks different, it reads the screen: the part the skin
// paints must still show the skin's colours. The skin's pictures are
// swapped for tiny flat-coloured ones, so any native pixel stands out.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <vector>

#include "gui/Button.h"
#include "gui/ComboBox.h"
#include "gui/Edit.h"
#include "skin/manager/SkinMessages.h"
#include "tests/e2e/UiDriver.h"
#include "tests/gui/TestForm.h"
#include "tests/skin/FlatButtons.h"
#include "tests/skin/SkinnedControls.h"
#include "tests/skin/SkinnedWindows.h"

using namespace std::chrono_literals;

namespace {

// Colours no native control paints with.
const std::vector<Pixel> kButtonColours(std::begin(FlatButtons::kFrames), std::end(FlatButtons::kFrames));
const std::vector<Pixel> kBoxColours(std::begin(FlatButtons::kChecks), std::end(FlatButtons::kChecks));
const std::vector<Pixel> kComboColours = {0x1020C0, 0x2030B0, 0x3040A0, 0x405090,
                                          0x6010C0, 0x7020B0, 0x8030A0, 0x904090};
const Pixel kEditShadow = 0x2060A0;
const std::vector<Pixel> kEditColours = {kEditShadow, 0xFFFFFF};
const int kBoxSize = FlatButtons::kBoxSize;

// The control's window as the screen shows it, read through its top-level
// window: the control's own device context shows nothing while its
// drawing is held, and Wine's reads of the screen lag.
PixelBuffer ShownOnScreen(HWND control) {
    HWND top = GetAncestor(control, GA_ROOT);
    RECT bounds, topBounds;
    GetWindowRect(control, &bounds);
    GetWindowRect(top, &topBounds);
    TOffscreen shot(bounds.right - bounds.left, bounds.bottom - bounds.top);
    HDC dc = GetDCEx(top, nullptr, DCX_WINDOW | DCX_CACHE);
    shot.CopyFrom(dc, bounds.left - topBounds.left, bounds.top - topBounds.top);
    ReleaseDC(top, dc);
    return shot.Pixels();
}

// Lies below the skinner, in the control's window procedure's place, and
// reads the screen as each watched message returns from that procedure. A
// subclass would not do: while one message is handled, the system's
// subclass chain (Wine's) passes a second message on past whatever lies
// below the subclass passing it, and the held message is such a second one.
class TScreenSpy {
public:
    explicit TScreenSpy(std::vector<UINT> watched) : FWatched(std::move(watched)) { Current = this; }
    ~TScreenSpy() { Current = nullptr; }
    TScreenSpy(const TScreenSpy&) = delete;
    TScreenSpy& operator=(const TScreenSpy&) = delete;

    // Before the skin comes to the control.
    void LayUnder(HWND control) {
        FNative = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
    }

    std::vector<PixelBuffer> Reads;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        TScreenSpy& spy = *Current;
        LRESULT result = CallWindowProcW(spy.FNative, window, message, wParam, lParam);
        if (std::find(spy.FWatched.begin(), spy.FWatched.end(), message) != spy.FWatched.end())
            spy.Reads.push_back(ShownOnScreen(window));
        return result;
    }

    static inline TScreenSpy* Current = nullptr;
    std::vector<UINT> FWatched;
    WNDPROC FNative = nullptr;
};

class HeldForm : public TTestForm {
public:
    HeldForm() {
        Line.Create(*this, {.Bounds = {10, 10, 120, 22}});
        Button.Create(*this, {.Bounds = {10, 40, 75, 23}});
        Check.Create(*this, {.Bounds = {10, 70, 80, 17}, .Caption = "c"});
        Combo.Create(*this, {.Bounds = {10, 95, 120, 100}, .Items = {"a", "b"}, .ItemIndex = 0});
    }
    TEdit Line;
    TButton Button;
    TCheckBox Check;
    TComboBox Combo;
};

class HeldWindows {
public:
    HeldWindows() {
        BareCheck = Bare.AddChild(L"BUTTON", L"c", BS_AUTOCHECKBOX | WS_TABSTOP, {10, 10, 80, 17}, 10);
    }
    HeldForm Form;
    TBareWindow Bare;
    HWND BareCheck = nullptr;
};

// Whether the skin paints the point of the control's window, in the
// window's own coordinates.
using PartTest = bool (*)(HWND control, int x, int y, int width, int height);

bool InRing(int depth, int x, int y, int width, int height) {
    return x < depth || y < depth || x >= width - depth || y >= height - depth;
}
bool AllButCorners(HWND, int x, int y, int width, int height) {
    return !FlatButtons::IsCorner(x, y, {0, 0, width, height});
}
bool InEditFrame(HWND, int x, int y, int width, int height) { return InRing(3, x, y, width, height); }
// At the left edge, centred down, but for the corners that show what lies under.
bool InBox(HWND, int x, int y, int, int height) {
    Rect box = {0, (height - kBoxSize) / 2, kBoxSize, kBoxSize};
    return x < kBoxSize && y >= box.Top && y < box.Top + kBoxSize && !FlatButtons::IsCorner(x, y, box);
}
// All but the item area, which the box paints itself.
bool OutsideComboItem(HWND combo, int x, int y, int, int) {
    COMBOBOXINFO info = {sizeof info};
    GetComboBoxInfo(combo, &info);
    POINT at = {x, y};
    return !PtInRect(&info.rcItem, at);
}

struct HeldRow {
    const char* Name;
    HWND (*Control)(const HeldWindows&);
    std::vector<UINT> Watched;
    void (*Act)(HWND control);
    PartTest InPart;
    const std::vector<Pixel>* Colours;
};

void PrintTo(const HeldRow& row, std::ostream* out) { *out << row.Name; }

HWND CheckBoxOf(const HeldWindows& windows) { return windows.Form.Check.Handle(); }
HWND ButtonOf(const HeldWindows& windows) { return windows.Form.Button.Handle(); }
HWND ComboOf(const HeldWindows& windows) { return windows.Form.Combo.Handle(); }
HWND EditOf(const HeldWindows& windows) { return windows.Form.Line.Handle(); }
HWND BareCheckOf(const HeldWindows& windows) { return windows.BareCheck; }

void Check(HWND control) { SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0); }
void Push(HWND control) {
    SendMessageW(control, BM_SETSTATE, TRUE, 0);
    SendMessageW(control, BM_SETSTATE, FALSE, 0);
}
void CheckAndPush(HWND control) {
    Check(control);
    Push(control);
}
// The press and the check come to the control through the messages above,
// sent to it from inside the mouse messages.
void Click(HWND control) {
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 8));
    SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(4, 8));
}
void TakeAndGiveFocus(HWND control) {
    SetFocus(control);
    SetFocus(GetWindow(control, GW_HWNDFIRST));
}
void TakeFocus(HWND control) { SetFocus(control); }
void RedrawFrame(HWND control) {
    RedrawWindow(control, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}
const HeldRow kRows[] = {
    {"CheckBoxChecked", CheckBoxOf, {BM_SETCHECK}, Check, InBox, &kBoxColours},
    {"CheckBoxPushed", CheckBoxOf, {BM_SETSTATE}, Push, InBox, &kBoxColours},
    {"CheckBoxClicked", CheckBoxOf, {BM_SETSTATE, BM_SETCHECK}, Click, InBox, &kBoxColours},
    {"PushButtonFocus", ButtonOf, {WM_SETFOCUS, WM_KILLFOCUS}, TakeAndGiveFocus, AllButCorners, &kButtonColours},
    {"PushButtonPushed", ButtonOf, {BM_SETSTATE}, Push, AllButCorners, &kButtonColours},
    {"ComboBoxFocus", ComboOf, {WM_SETFOCUS}, TakeFocus, OutsideComboItem, &kComboColours},
    {"EditBorder", EditOf, {WM_NCPAINT}, RedrawFrame, InEditFrame, &kEditColours},
    {"BareDialogCheckBox", BareCheckOf, {BM_SETCHECK, BM_SETSTATE}, CheckAndPush, InBox, &kBoxColours},
};

// The skin's pictures of the controls above, flat-coloured; a button
// without a caption or focus rectangle is one colour but for its corners.
class FlatPictures {
public:
    FlatPictures(TSkinData& skin)
        : FButtons(skin.Buttons, FlatButtons::Element()),
          FComboButton(skin.ComboButton, ComboButton()),
          FComboArrow(skin.ComboxArrow, ComboArrow()),
          FShadow(skin.Colours.ButtonShadow, ColorFromPixel(kEditShadow)),
          FOptions(skin.Options, TSkinOptionSet(skin.Options).set(soNoFocusRect)) {}

private:
    static std::unique_ptr<TSkinBorderElement> ComboButton() {
        auto combo = std::make_unique<TSkinBorderElement>();
        const auto& c = kComboColours;
        combo->Image = FlatFrames({c[0], c[1], c[2], c[3]}, 4, 4);
        combo->FrameCount = 4;
        combo->Style = 2;
        return combo;
    }
    static std::unique_ptr<TSkinElement> ComboArrow() {
        auto arrow = std::make_unique<TSkinElement>();
        const auto& c = kComboColours;
        arrow->Image = FlatFrames({c[4], c[5], c[6], c[7]}, 4, 4);
        arrow->FrameCount = 4;
        return arrow;
    }

    TSwappedIn<TSkinButtonElement> FButtons;
    TSwappedIn<std::unique_ptr<TSkinBorderElement>> FComboButton;
    TSwappedIn<std::unique_ptr<TSkinElement>> FComboArrow;
    TSwappedIn<TColor> FShadow;
    TSwappedIn<TSkinOptionSet> FOptions;
};

class HeldDrawing : public SkinnedWindows, public ::testing::WithParamInterface<HeldRow> {};

// Pixels of the part that show no colour of the skin's.
int ForeignPixels(const HeldRow& row, HWND control, const PixelBuffer& shown) {
    int foreign = 0;
    for (int y = 0; y < shown.Height(); ++y)
        for (int x = 0; x < shown.Width(); ++x)
            if (row.InPart(control, x, y, shown.Width(), shown.Height()) &&
                std::find(row.Colours->begin(), row.Colours->end(), shown.At(x, y)) == row.Colours->end())
                ++foreign;
    return foreign;
}

TEST_P(HeldDrawing, TheScreenShowsOnlyTheSkinAsTheNativeControlReturns) {
    const HeldRow& row = GetParam();
    FlatPictures pictures(*MainSkin);
    ui::PointAt(GetDesktopWindow(), {2, 2});  // nothing is hot
    TScreenSpy spy(row.Watched);
    HeldWindows windows;
    HWND control = row.Control(windows);
    spy.LayUnder(control);
    if (control == windows.BareCheck)
        windows.Bare.Show();
    else
        Show(windows.Form);
    ASSERT_EQ(SendMessageW(control, SkinMessage::Query, 0, 0), 1);
    UpdateWindow(GetAncestor(control, GA_ROOT));
    ASSERT_EQ(ForeignPixels(row, control, ShownOnScreen(control)), 0) << "the skin shows before";
    spy.Reads.clear();

    row.Act(control);
    ASSERT_FALSE(spy.Reads.empty());
    for (size_t i = 0; i < spy.Reads.size(); ++i)
        EXPECT_EQ(ForeignPixels(row, control, spy.Reads[i]), 0) << "read " << i;
}

INSTANTIATE_TEST_SUITE_P(EveryWay, HeldDrawing, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
