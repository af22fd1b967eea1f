// The gallery of standard controls: skinned like any window, each control
// dispatched to the skinner of its kind, and its screenshots for a person
// to compare with the skin's preview sheet.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <map>
#include <string>

#include "base/win32/WindowClassName.h"
#include "skin/manager/ChildWindowDispatch.h"
#include "skin/manager/ControlDispatch.h"
#include "skin/manager/ControlWalk.h"
#include "skin/manager/SkinMessages.h"
#include "skin/scrollbar/ScrollbarPanel.h"
#include "tests/e2e/ProgramFolder.h"
#include "tests/gui/TestForm.h"
#include "tests/skin/GalleryForm.h"
#include "tests/skin/SkinnedControls.h"
#include "tests/skin/SkinnedWindows.h"

using namespace std::chrono_literals;

namespace {

using enum SkinnerKind;

class Gallery : public SkinnedWindows {};

// The skinner each class of the gallery's controls is dispatched to, with
// the program's skin.
const std::map<std::string, SkinnerKind> kExpectedSkinners = {
    {"TButton", TSkinButton},
    {"TBitBtn", TSkinBitButton},
    {"TCheckBox", TSkinCheckBox},
    {"TSpeedButton", TSkinSpeedButton},
    {"TEdit", TSkinEdit},
    {"TComboBox", TSkinComBox},
    {"TDateTimePicker", TSkinDateTime},
    {"TProgressBar", TSkinProgress},
    {"TTrackBar", TSkinTrackBar},
    {"TUpDown", TSkinUpDown},
    {"TGroupBox", TSkinGroupBox},
    {"TTabControl", TSkinTab},
    {"TPageControl", TSkinTab},
    {"TAdvPageControl", TSkinAdvPage},
    {"TAdvTabSheet", None},
    {"TTabSet", TSkinTab31},
    {"TPanel", TSkinBox},
    {"TTabSheet", None},  // its page control's skinner gives it its own
    {"TLabel", None},
    {"TListView", TSkinListView},
    {"TMediaPlayer", TSkinMP},
    {"TRzCheckBox", TSkinObjImageCheckBox},
    {"TRzRadioButton", TSkinObjImageRadioButton},
    {"TcxCheckBox", TSkinObjImageCxCheckBox},
    {"TMemo", TSkinScrollbar},
    {"TStatusBar", TSkinStatusBar},
    {"TRzMenuButton", TSkinMenuButton},
    {"TScrollBar", TSkinScrollbarSingle},
};

uintmax_t FileSize(const std::wstring& path) {
    std::error_code error;
    uintmax_t size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

std::string FileBytes(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST_F(Gallery, IsSkinnedByTheManagerLikeAnyWindow) {
    TGalleryForm gallery;
    Show(gallery);
    EXPECT_EQ(SendMessageW(gallery.Handle(), SkinMessage::Query, 0, 0), 1);
    ASSERT_NE(FrameOf(gallery), nullptr);
    EXPECT_EQ(FrameOf(gallery)->State(), TSkinFrame::Skinned);
}

TEST_F(Gallery, EveryControlReachesTheSkinnerOfItsKind) {
    TGalleryForm gallery;
    Show(gallery);
    DispatchSkin skin = DescribeSkin(*MainSkin);
    for (TWinControl* control : gallery.OwnedControls()) {
        ControlDescription description = DescribeControl(*control);
        auto expected = kExpectedSkinners.find(description.ClassName);
        ASSERT_NE(expected, kExpectedSkinners.end()) << "no skinner expected for " << description.ClassName;
        EXPECT_EQ(DecideByTables(description, skin).Skinner, expected->second) << description.ClassName;
    }
}

TEST_F(Gallery, TheListsHeaderIsWalkedAsAHeader) {
    TGalleryForm gallery;
    Show(gallery);
    DispatchSkin skin = DescribeSkin(*MainSkin);
    EXPECT_EQ(DecideByTables(DescribeControl(gallery.ListView1), skin).Walk, ChildWalk::ChildWindowsAfterSkinner);
    HWND header = gallery.ListView1.HeaderHandle();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(DecideChildWindow(WindowClassName(header), uint32_t(GetWindowLongW(header, GWL_STYLE)),
                                skin.SkinControls)
                  .Skinner,
              TSkinHeader);
}

TEST_F(Gallery, TheRangeAndStatusControlsHaveTheirSkinners) {
    TGalleryForm gallery;
    Show(gallery);
    std::map<std::string, TWinControl*> controls = {
        {"ProgressBar1", &gallery.ProgressBar1}, {"TrackBar1", &gallery.TrackBar1},
        {"TrackBarVert", &gallery.TrackBarVert}, {"UpDownHorz", &gallery.UpDownHorz},
        {"UpDown1", &gallery.UpDown1},           {"StatusBarSimple", &gallery.StatusBarSimple},
        {"StatusBar1", &gallery.StatusBar1}};
    for (auto [name, control] : controls)
        EXPECT_EQ(SendMessageW(control->Handle(), SkinMessage::Query, 0, 0), 1) << name;
}

// What shows on screen over each scroll bar control is the skin's panel,
// all of it: nothing of the system's bar shows.
TEST_F(Gallery, TheScrollBarControlsShowTheSkinsPanels) {
    TGalleryForm gallery;
    Show(gallery);
    for (TWinControl* bar : {&gallery.ScrollBarHorz, &gallery.ScrollBarOff, &gallery.ScrollBarVert}) {
        RECT bounds;
        GetWindowRect(bar->Handle(), &bounds);
        HWND shown = WindowFromPoint({(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2});
        ASSERT_NE(dynamic_cast<TScrollbarPanel*>(TWinControl::FromHandle(shown)), nullptr);
        TOffscreen screen(bounds.right - bounds.left, bounds.bottom - bounds.top);
        TWindowDC desktop(nullptr);
        screen.CopyFrom(desktop.Get(), bounds.left, bounds.top);
        EXPECT_TRUE(screen.Pixels().Pixels() == ClientPixels(shown).Pixels()) << WindowClassName(bar->Handle());
    }
}

TEST_F(Gallery, ScreenshotsActiveAndInactive) {
    TGalleryForm gallery;
    TTestForm other;
    Show(gallery);
    gallery.ShowPointerPressAndFocus();
    PumpFor(300ms);
    std::wstring active = ScreenshotPath("gallery-active");
    ui::SaveScreenshot(gallery.Handle(), active);

    // Another window takes the activation, out of the gallery's way.
    Show(other);
    SetWindowPos(other.Handle(), nullptr, -2000, -2000, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ASSERT_EQ(GetActiveWindow(), other.Handle());
    PumpFor(300ms);
    std::wstring inactive = ScreenshotPath("gallery-inactive");
    ui::SaveScreenshot(gallery.Handle(), inactive);

    // Maximised, its skinned borders on the work area.
    ShowWindow(gallery.Handle(), SW_MAXIMIZE);
    PumpFor(300ms);
    ui::SaveScreenshot(gallery.Handle(), ScreenshotPath("gallery-maximised"));
    ShowWindow(gallery.Handle(), SW_RESTORE);

    EXPECT_GT(FileSize(active), uintmax_t(640 * 470 * 3));
    EXPECT_EQ(FileSize(inactive), FileSize(active));
    EXPECT_NE(FileBytes(inactive), FileBytes(active));  // the frame shows the difference
}

TEST_F(Gallery, TheGlyphAndMenuButtonsHaveTheirSkinners) {
    TGalleryForm gallery;
    Show(gallery);
    for (TWinControl* button : std::initializer_list<TWinControl*>{&gallery.BitBtn1, &gallery.BitBtnOff,
                                                                   &gallery.SpeedFlat, &gallery.SpeedDown,
                                                                   &gallery.SpeedOff, &gallery.SpeedRaised,
                                                                   &gallery.MenuButton1, &gallery.MenuButtonOff})
        EXPECT_EQ(SendMessageW(button->Handle(), SkinMessage::Query, 0, 0), 1) << WindowClassName(button->Handle());
}
