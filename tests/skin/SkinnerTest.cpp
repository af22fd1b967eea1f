// Control skinners on real windows of this process: the skin's frames and
// pictures where the controls show them, and nothing left behind.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

#include "base/win32/Handles.h"
#include "gui/Edit.h"
#include "gui/GroupBox.h"
#include "skin/combobox/SkinComBox.h"
#include "skin/data/SkinGdi.h"
#include "skin/draw/ElementDrawing.h"
#include "skin/manager/SkinMessages.h"
#include "tests/e2e/UiDriver.h"
#include "tests/gui/TestForm.h"
#include "tests/skin/BareDialog.h"
#include "tests/skin/DrawingWatch.h"
#include "tests/skin/FlatElements.h"
#include "tests/skin/SkinnedControls.h"
#include "tests/skin/SkinnedWindows.h"

using namespace std::chrono_literals;

namespace {
const COLORREF kWhite = RGB(255, 255, 255);

COLORREF PixelOf(HWND window, int x, int y, TWindowDC::TArea area = TWindowDC::Client) {
    TWindowDC dc(window, area);
    return GetPixel(dc.Get(), x, y);
}

SIZE WindowSize(HWND window) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

SIZE ClientSizeOf(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

// A form with a captioned group box and a bordered edit box.
class ControlsForm : public TTestForm {
public:
    ControlsForm() {
        Box.Create(*this, {.Bounds = {10, 10, 150, 90}, .Caption = "Box"});
        Line.Create(*this, {.Bounds = {10, 110, 120, 22}});
    }
    TGroupBox Box;
    TEdit Line;
};

class SkinnedControls : public SkinnedWindows {
protected:
    static COLORREF Shadow() { return ToColorRef(MainSkin->Colours.ButtonShadow); }
    static COLORREF Face() { return ToColorRef(MainSkin->Colours.ButtonFace); }
};
}  // namespace

TEST_F(SkinnedControls, AGroupBoxShowsTheShadowFrameHalfATextHeightDownOnTheButtonFace) {
    ControlsForm form;
    Show(form);
    ASSERT_NE(FrameOf(form), nullptr);
    HWND box = form.Box.Handle();
    ASSERT_TRUE(FrameOf(form)->HoldsSkinnerFor(box));
    ASSERT_NE(Shadow(), Face());
    SIZE zero;
    {
        TWindowDC dc(box);
        TSelection font(dc.Get(), form.Box.Font().Handle());
        GetTextExtentPoint32W(dc.Get(), L"0", 1, &zero);
    }
    int frameTop = zero.cy / 2;
    // Right of the caption the frame's top line; the sides at mid height.
    EXPECT_EQ(PixelOf(box, 120, frameTop), Shadow());
    EXPECT_EQ(PixelOf(box, 120, frameTop - 1), Face());
    EXPECT_EQ(PixelOf(box, 0, 50), Shadow());
    EXPECT_EQ(PixelOf(box, 149, 50), Shadow());
    EXPECT_EQ(PixelOf(box, 89, 89), Shadow());
    EXPECT_EQ(PixelOf(box, 75, 50), Face());
    EXPECT_EQ(PixelOf(box, 1, 50), Face());
}

TEST_F(SkinnedControls, AnEditShowsThreeFramesOutsideItsTextAndGivesBackItsBorderWhenPaintingStopsOrTheSkinGoes) {
    TTestForm plain;
    TEdit native;
    native.Create(plain, {.Bounds = {10, 110, 120, 22}});
    SIZE nativeClient = ClientSizeOf(native.Handle());

    ControlsForm form;
    Show(form);
    HWND edit = form.Line.Handle();
    ASSERT_TRUE(FrameOf(form)->HoldsSkinnerFor(edit));
    SIZE client = ClientSizeOf(edit);
    EXPECT_EQ(client.cx, nativeClient.cx - 2);
    EXPECT_EQ(client.cy, nativeClient.cy - 2);
    SIZE outer = WindowSize(edit);
    for (POINT at : {POINT{0, 11}, POINT{60, 0}, POINT{outer.cx - 1, 11}, POINT{60, outer.cy - 1}})
        EXPECT_EQ(PixelOf(edit, at.x, at.y, TWindowDC::Whole), Shadow()) << at.x << "," << at.y;
    for (POINT at : {POINT{1, 11}, POINT{2, 11}, POINT{60, 2}, POINT{outer.cx - 3, 11}, POINT{60, outer.cy - 2}})
        EXPECT_EQ(PixelOf(edit, at.x, at.y, TWindowDC::Whole), kWhite) << at.x << "," << at.y;

    SendMessageW(edit, SkinMessage::PaintingSwitch, 0, 0);
    EXPECT_EQ(ClientSizeOf(edit).cx, nativeClient.cx);
    SendMessageW(edit, SkinMessage::PaintingSwitch, 1, 0);
    EXPECT_EQ(ClientSizeOf(edit).cx, client.cx);
    RunAction(TSkinAction::UnskinAll);
    EXPECT_EQ(ClientSizeOf(edit).cy, nativeClient.cy);
    RunAction(TSkinAction::SkinAll);
    EXPECT_EQ(ClientSizeOf(edit).cy, client.cy);
}

TEST_F(SkinnedControls, AnEditPaintsItsFramesIntoTheDeviceContextOfMessage48202) {
    ControlsForm form;
    Show(form);
    HWND edit = form.Line.Handle();
    SIZE outer = WindowSize(edit);
    TWindowDC screen(edit);
    TMemoryDC memory(CreateCompatibleDC(screen.Get()));
    TBitmap canvas(CreateCompatibleBitmap(screen.Get(), outer.cx, outer.cy));
    TSelection selected(memory.Get(), canvas.Get());
    RECT all = {0, 0, outer.cx, outer.cy};
    FillRect(memory.Get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));

    EXPECT_EQ(SendMessageW(edit, SkinMessage::PaintEditInto, WPARAM(memory.Get()), SkinMessage::Signature),
              LRESULT(SkinMessage::Signature));
    EXPECT_EQ(GetPixel(memory.Get(), 0, 0), Shadow());
    EXPECT_EQ(GetPixel(memory.Get(), 1, 1), kWhite);
    EXPECT_EQ(GetPixel(memory.Get(), 2, 2), kWhite);
    // Inside the frames, where the text lies, nothing was drawn.
    EXPECT_EQ(GetPixel(memory.Get(), 3, 3), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(memory.Get(), outer.cx / 2, outer.cy / 2), RGB(0, 0, 0));
}

// The edit paints its border itself as it repaints its frame, takes or
// loses the focus, is enabled or sized; the watch under its skinner sees
// each message return and finds none of that on the skin's frames.
TEST_F(SkinnedControls, AnEditsOwnBorderNeverShowsOverItsFrames) {
    ControlsForm form;
    HWND edit = form.Line.Handle();
    auto frames = [&] {
        PixelBuffer whole = ClientPixels(edit, TWindowDC::Whole);
        PixelBuffer inside = whole.Crop({3, 3, whole.Width() - 6, whole.Height() - 6});
        inside.Fill({0, 0, inside.Width(), inside.Height()}, PixelOf(kWhite));
        whole.Paste(inside, 3, 3);
        return std::vector{whole};
    };
    TDrawingWatch watch(edit, frames, {PixelOf(Shadow()), PixelOf(kWhite)});
    Show(form);
    ASSERT_TRUE(FrameOf(form)->HoldsSkinnerFor(edit));
    const std::pair<const char*, std::function<void()>> uses[] = {
        {"frame repainted", [&] { RedrawWindow(edit, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW); }},
        {"focused", [&] { form.Line.SetFocus(); }},
        {"typed into", [&] { SendMessageW(edit, WM_CHAR, 'a', 0); }},
        {"left", [&] { form.Box.SetFocus(); }},
        {"disabled", [&] { EnableWindow(edit, FALSE); }},
        {"enabled", [&] { EnableWindow(edit, TRUE); }},
        {"sized", [&] { SetWindowPos(edit, nullptr, 0, 0, 100, 24, SWP_NOMOVE | SWP_NOZORDER); }},
    };
    for (const auto& [name, use] : uses) {
        SCOPED_TRACE(name);
        watch.Reset();
        use();
        PumpFor(50ms);
        EXPECT_EQ(watch.Worst(), 0) << "after message " << watch.WorstMessage();
        EXPECT_EQ(ForeignPixels(frames()[0], {PixelOf(Shadow()), PixelOf(kWhite)}), 0);
    }
}

TEST_F(SkinnedControls, ADropDownListShowsTheSkinsArrowInItsStates) {
    const Pixel arrow = 0x80D000;  // frames: normal, hot, pressed, disabled
    TFlatElements flat(*MainSkin);
    flat.PutComboxArrow(arrow, 4);
    ASSERT_TRUE(TSkinComBox::SkinHasPicture(*MainSkin));
    SetCursorPos(0, 0);  // the pointer makes no state of its own
    BareDialog dialog;
    dialog.Show();
    PumpFor(150ms);
    TSkinFrame* frame = Manager().FindSkinForm(dialog.Handle());
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(frame->HoldsSkinnerFor(dialog.Combo()));
    COMBOBOXINFO info = {sizeof info};
    ASSERT_TRUE(GetComboBoxInfo(dialog.Combo(), &info));
    RECT button = info.rcButton;
    int width = button.right - button.left, height = button.bottom - button.top;
    // Whether the box's button shows the arrow in the state, pixel for pixel.
    auto showsArrow = [&](int state) {
        PixelBuffer shown = ClientPixels(dialog.Combo()).Crop({int(button.left), int(button.top), width, height});
        return ForeignPixels(shown, {FlatColour(arrow, state)}) == 0;
    };

    InvalidateRect(dialog.Combo(), nullptr, TRUE);
    PumpFor(50ms);
    EXPECT_TRUE(showsArrow(1));
    ui::PointAt(dialog.Combo(), {button.left + width / 2, button.top + height / 2});
    EXPECT_TRUE(PumpUntil([&] { return showsArrow(2); }));
    ui::PointAt(dialog.Handle(), {2, 2});
    EXPECT_TRUE(PumpUntil([&] { return showsArrow(1); }));  // the leave notice comes on a timer
    SendMessageW(dialog.Combo(), CB_SHOWDROPDOWN, TRUE, 0);
    PumpFor(50ms);
    EXPECT_TRUE(showsArrow(3));
    SendMessageW(dialog.Combo(), CB_SHOWDROPDOWN, FALSE, 0);
    EnableWindow(dialog.Combo(), FALSE);
    PumpFor(50ms);
    EXPECT_TRUE(showsArrow(4));
}

TEST_F(SkinnedControls, ADialogsSizeGripShowsTheSkinsGripOnTheFaceAndItsNestedDialogTheFace) {
    // The grip is the Scrollbar element's 23rd cell: here a 3 x 3 dot in a
    // magenta ring, which leaves the face showing.
    const Pixel dot = 0x123456;
    std::vector<Pixel> cells(23, 0x654321);
    cells.back() = kMagenta;
    auto parts = FlatElement(cells, 5, 5);
    parts->Image.Fill({22 * 5 + 1, 1, 3, 3}, dot);
    TSwappedIn<std::unique_ptr<TSkinElement>> swapped(MainSkin->Elements["Scrollbar"], std::move(parts));
    BareDialog dialog;
    dialog.Show();
    PumpFor(150ms);
    TSkinFrame* frame = Manager().FindSkinForm(dialog.Handle());
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(frame->HoldsSkinnerFor(dialog.Grip()));
    ASSERT_TRUE(frame->HoldsSkinnerFor(dialog.Nested()));

    SIZE size = ClientSizeOf(dialog.Grip());
    int wrong = 0;
    {
        TWindowDC dc(dialog.Grip());
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x) {
                bool onDot = x >= size.cx - 4 && x < size.cx - 1 && y >= size.cy - 4 && y < size.cy - 1;
                wrong += GetPixel(dc.Get(), x, y) != (onDot ? COLORREF(ColorFromPixel(dot)) : Face());
            }
    }
    EXPECT_EQ(wrong, 0);

    // The nested dialog's erasing lays the face, not the system's colour.
    ASSERT_NE(Face(), GetSysColor(COLOR_3DFACE));
    {
        TWindowDC dc(dialog.Nested());
        RECT all = {0, 0, 80, 80};
        FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        SendMessageW(dialog.Nested(), WM_ERASEBKGND, WPARAM(dc.Get()), 0);
    }
    EXPECT_EQ(PixelOf(dialog.Nested(), 40, 40), Face());
}

TEST_F(SkinnedControls, ASkinWithoutTheComboPictureLeavesTheComboBoxNative) {
    TSkinData dialogSkin(SystemSkinHost());
    dialogSkin.SkinFormtype = sfDialog;
    ReadSkinStreamResource(dialogSkin);
    dialogSkin.SetActive(true);
    dialogSkin.Loaded();
    dialogSkin.ComboxArrow.reset();
    BareDialog dialog;
    dialog.Show();
    PumpFor(150ms);
    TSkinFrame* frame = Manager().FindSkinForm(dialog.Handle());
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(&frame->Skin(), &dialogSkin);
    EXPECT_FALSE(frame->HoldsSkinnerFor(dialog.Combo()));
    EXPECT_TRUE(frame->HoldsSkinnerFor(dialog.Grip()));
}
