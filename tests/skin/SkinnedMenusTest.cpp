// Menus in the skin's look as a person meets them, on real windows with the
// skin the program carries: text clear of the background's strip, the
// system menu as the native one would offer it, the menu bar's disabled
// items, a skin switched while a menu is open, an edit box's context menu,
// letters that open and choose items.
#include <gtest/gtest.h>

#include <windows.h>

#include "gui/Edit.h"
#include "gui/Menus.h"
#include "gui/Timer.h"
#include "skin/frame/FrameStyle.h"
#include "skin/menu/SkinMenuBar.h"
#include "skin/menu/SystemMenu.h"
#include "tests/e2e/UiDriver.h"
#include "tests/gui/TestForm.h"
#include "tests/skin/MenuForm.h"
#include "tests/skin/SkinnedControls.h"
#include "tests/skin/SkinnedWindows.h"

using namespace std::chrono_literals;

namespace {
// The whole window of the form's popup menu while it shows, nothing under
// the pointer.
PixelBuffer OpenMenuPicture(TForm& form, TPopupMenu& menu) {
    SetCursorPos(0, 0);
    PixelBuffer shown;
    TWindowTimer look(200, [&](TObject*) {
        look.SetEnabled(false);
        if (HWND window = FindWindowW(L"#32768", nullptr)) shown = ClientPixels(window, TWindowDC::Whole);
        EndMenu();
    });
    look.SetEnabled(true);
    RECT bounds;
    GetWindowRect(form.Handle(), &bounds);
    menu.Popup(bounds.left + 40, bounds.top + 40, form.Handle());
    return shown;
}

#ifndef MN_GETHMENU
const UINT MN_GETHMENU = 0x01E1;
#endif

int PixelsOfColour(const PixelBuffer& picture, COLORREF colour) {
    Pixel wanted = PixelOf(colour);
    int count = 0;
    for (Pixel pixel : picture.Pixels()) count += pixel == wanted;
    return count;
}

int DifferentPixels(const PixelBuffer& a, const PixelBuffer& b, int fromX, int toX) {
    int different = 0;
    for (int y = 0; y < std::min(a.Height(), b.Height()); ++y)
        for (int x = fromX; x < std::min({toX, a.Width(), b.Width()}); ++x) different += a.At(x, y) != b.At(x, y);
    return different;
}
}  // namespace

// The first glyph of a caption lay over the strip; the strip shows the same
// with a caption as with none.
TEST_F(SkinnedWindows, PopupMenuTextStartsPastTheBackgroundsStrip) {
    TTestForm form;
    TPopupMenu withText(&form), blank(&form);
    TMenuItem caption("批量查询"), space(" ");
    withText.Add({&caption});
    blank.Add({&space});
    Show(form);
    PixelBuffer shownWithText = OpenMenuPicture(form, withText);
    PixelBuffer shownBlank = OpenMenuPicture(form, blank);
    ASSERT_GT(shownWithText.Height(), 0);
    ASSERT_EQ(shownWithText.Height(), shownBlank.Height());
    int strip = MainSkin->Element("MenuBackground")->LeftWidth;
    EXPECT_EQ(DifferentPixels(shownWithText, shownBlank, 0, strip), 0);
    EXPECT_GT(DifferentPixels(shownWithText, shownBlank, strip, shownBlank.Width() - 3), 0);
}

// Enabled as the native system menu would be for the window's frame and state.
TEST_F(SkinnedWindows, TheSystemMenuEnablesWhatTheWindowAllows) {
    TTestForm form;
    struct Case {
        const char* name;
        bool sizable;
        WindowState state;
        bool size, move, restore;
    };
    const Case cases[] = {
        {"fixed", false, WindowState::Normal, false, true, false},
        {"sizable", true, WindowState::Normal, true, true, false},
        {"maximised", true, WindowState::Maximised, false, false, true},
        {"minimised", true, WindowState::Minimised, false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FrameFlags flags;
        flags.Sizable = c.sizable;
        flags.SystemMenu = flags.MinimiseBox = flags.MaximiseBox = true;
        auto menu = BuildSkinnedSystemMenu(form.Handle(), *MainSkin, c.state, flags);
        auto enabled = [&](UINT command) {
            for (TMenuItem* item : menu->Items())
                if ((UINT(item->Tag) & 0xFFF0) == command) return item->Enabled();
            ADD_FAILURE() << "no item " << command;
            return false;
        };
        EXPECT_EQ(enabled(SC_SIZE), c.size);
        EXPECT_EQ(enabled(SC_MOVE), c.move);
        EXPECT_EQ(enabled(SC_RESTORE), c.restore);
    }
}

// "Close" and "Alt+F4" stand apart, as in native menus.
TEST_F(SkinnedWindows, AShortcutTextGetsAColumnOfItsOwn) {
    TMenuItem close("&Close\tAlt+F4"), bare("&Close");
    TWindowDC screen(nullptr);
    int withShortcut = 0, without = 0, height = 0;
    close.DefaultMeasure(screen.Get(), withShortcut, height);
    bare.DefaultMeasure(screen.Get(), without, height);
    TSelection font(screen.Get(), MenuFont());
    SIZE shortcut = {};
    GetTextExtentPoint32W(screen.Get(), L"Alt+F4", 6, &shortcut);
    EXPECT_GE(withShortcut - without, shortcut.cx + 16);
}

// A disabled item of the bar neither opens nor fires, from the keyboard or
// the mouse; Alt alone opens the first enabled one.
TEST_F(SkinnedWindows, ADisabledMenuBarItemNeverOpens) {
    MenuForm form;
    form.Tops[0].SetEnabled(false);
    Show(form);
    TSkinFrame* frame = FrameOf(form);
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(frame->MenuBar(), nullptr);
    TWindowTimer close(150, [&](TObject*) { EndMenu(); });
    close.SetEnabled(true);
    frame->MenuBar()->OpenByKey(0);
    EXPECT_FALSE(frame->MenuBar()->OpenByKey(L'A'));
    frame->MenuBar()->Open(0);
    close.SetEnabled(false);
    PumpFor(50ms);
    EXPECT_EQ(form.Opened, (std::vector<int>{1}));
}

// The frame runs the menu's loop: switching the skin off while the menu is
// open closes the menu first, and the frame goes only after.
TEST_F(SkinnedWindows, SwitchingTheSkinOffWhileAMenuOfTheBarIsOpenClosesItFirst) {
    MenuForm form;
    Show(form);
    TSkinFrame* frame = FrameOf(form);
    ASSERT_NE(frame, nullptr);
    bool frameGoneWhileOpen = false;
    int ticks = 0;
    TWindowTimer watch(100, [&](TObject*) {
        if (++ticks == 1) Manager().RequestAction(TSkinAction::UnskinAll, 10, MainSkin);
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (menu && IsWindowVisible(menu) && !FrameOf(form)) frameGoneWhileOpen = true;
        if (ticks >= 5) EndMenu();
    });
    watch.SetEnabled(true);
    frame->MenuBar()->OpenByKey(0);
    watch.SetEnabled(false);
    PumpFor(150ms);
    EXPECT_FALSE(frameGoneWhileOpen);
    EXPECT_EQ(FrameOf(form), nullptr);
    RunAction(TSkinAction::SkinAll);
}

// The context menu of an edit box is the system's own: drawn as the
// program's menus, even with its first item selected.
TEST_F(SkinnedWindows, AnEditBoxsContextMenuIsDrawnAsTheProgramsMenus) {
    TTestForm form;
    TEdit edit;
    edit.Create(form, {.Bounds = {10, 10, 150, 22}});
    Show(form);
    SetCursorPos(0, 0);
    int ticks = 0, items = 0, ownerDrawn = 0;
    PixelBuffer shown;
    TWindowTimer walk(150, [&](TObject*) {
        HWND window = FindWindowW(L"#32768", nullptr);
        if (++ticks == 1 && window) PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
        if (ticks == 2 && window) {
            shown = ClientPixels(window, TWindowDC::Whole);
            HMENU menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
            items = GetMenuItemCount(menu);
            for (int i = 0; i < items; ++i) {
                MENUITEMINFOW info = {sizeof info, MIIM_FTYPE};
                GetMenuItemInfoW(menu, UINT(i), TRUE, &info);
                ownerDrawn += (info.fType & MFT_OWNERDRAW) != 0;
            }
        }
        if (ticks >= 2) EndMenu();
    });
    walk.SetEnabled(true);
    RECT bounds;
    GetWindowRect(edit.Handle(), &bounds);
    SendMessageW(edit.Handle(), WM_CONTEXTMENU, WPARAM(edit.Handle()), MAKELPARAM(bounds.left + 5, bounds.bottom));
    walk.SetEnabled(false);
    ASSERT_GT(items, 0);
    EXPECT_EQ(ownerDrawn, items);
    EXPECT_EQ(PixelsOfColour(shown, GetSysColor(COLOR_HIGHLIGHT)), 0);
}

// Real keys: Alt with a letter opens the bar item whose accelerator it is,
// and a letter typed in its open owner-drawn menu chooses that item.
TEST_F(SkinnedWindows, LettersOpenTheirMenusAndChooseTheirItems) {
    MenuForm form;
    Show(form);
    ASSERT_NE(FrameOf(form), nullptr);
    SetForegroundWindow(form.Handle());
    PumpFor(50ms);
    ui::Press('B', VK_MENU);
    ui::Press('Y');
    // The keys are translated to characters, as the program's loop does.
    auto end = std::chrono::steady_clock::now() + 500ms;
    while (std::chrono::steady_clock::now() < end) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    EndMenu();
    EXPECT_EQ(form.Opened, (std::vector<int>{1}));
    EXPECT_EQ(form.Chosen, (std::vector<int>{1}));
    // Wine finds the letter in the item's text itself; Windows asks the
    // owner of an owner-drawn menu.
    HMENU menu = form.Tops[1].Submenu();
    EXPECT_EQ(SendMessageW(form.Handle(), WM_MENUCHAR, MAKEWPARAM('y', MF_POPUP), LPARAM(menu)),
              MAKELRESULT(0, MNC_EXECUTE));
    EXPECT_EQ(HIWORD(SendMessageW(form.Handle(), WM_MENUCHAR, MAKEWPARAM('q', MF_POPUP), LPARAM(menu))), MNC_IGNORE);
}
