// The model that code outside the forms walks: controls, forms, menus,
// lookups from a window handle, and painting that can be taken over.
#include <gtest/gtest.h>

#include <cstdio>

#include "gui/Application.h"
#include "gui/Button.h"
#include "gui/Edit.h"
#include "gui/GroupBox.h"
#include "gui/Label.h"
#include "gui/Menus.h"
#include "gui/Subclass.h"
#include "gui/Timer.h"
#include "tests/gui/MessagePump.h"
#include "tests/gui/TestForm.h"

using namespace std::chrono_literals;

namespace {
class FormWithControls : public ::testing::Test {
protected:
    void SetUp() override {
        box.Create(form, {.Bounds = {0, 0, 200, 100}, .Caption = "box"});
        first.Create(box, {.Bounds = {10, 20, 80, 20}});
        second.Create(box, {.Bounds = {10, 50, 80, 20}});
        button.Create(form, {.Bounds = {10, 110, 60, 20}, .Caption = "ok"});
    }
    TTestForm form;
    TGroupBox box;
    TEdit first, second;
    TButton button;
};

}  // namespace

TEST_F(FormWithControls, ControlsAreListedInCreationAndTabOrder) {
    EXPECT_EQ(form.OwnedControls(), (std::vector<TWinControl*>{&box, &first, &second, &button}));
    EXPECT_EQ(box.Controls(), (std::vector<TWinControl*>{&first, &second}));
    EXPECT_EQ(form.TabOrderList(), (std::vector<TWinControl*>{&box, &first, &second, &button}));
    EXPECT_EQ(first.OwnerForm(), &form);
    EXPECT_EQ(first.Parent(), &box);
}

TEST_F(FormWithControls, AControlThatGoesLeavesTheLists) {
    {
        TEdit third;
        third.Create(box, {.Bounds = {10, 80, 10, 10}});
        EXPECT_EQ(form.OwnedControls().size(), 5u);
    }
    EXPECT_EQ(form.OwnedControls(), (std::vector<TWinControl*>{&box, &first, &second, &button}));
    EXPECT_EQ(box.Controls().size(), 2u);
}

TEST_F(FormWithControls, EveryControlHasItsOwnIdAndATag) {
    EXPECT_NE(first.ControlId(), second.ControlId());
    EXPECT_EQ(GetDlgItem(box.Handle(), int(second.ControlId())), second.Handle());
    EXPECT_EQ(first.Tag, 0);
    first.Tag = 5555;
    EXPECT_EQ(first.Tag, 5555);
}

TEST_F(FormWithControls, AWindowHandleLeadsToItsControlThroughTheNamedProperty) {
    wchar_t expected[32];
    swprintf(expected, 32, L"ControlOfs%.8X%.8X", unsigned(UINT_PTR(GetModuleHandleW(nullptr))),
             unsigned(GetCurrentThreadId()));
    EXPECT_EQ(TWinControl::ControlPropertyName(), expected);
    ATOM atom = GlobalFindAtomW(expected);
    ASSERT_NE(atom, 0);
    for (TWinControl* control : std::initializer_list<TWinControl*>{&form, &box, &first, &button}) {
        EXPECT_EQ(GetPropW(control->Handle(), MAKEINTATOM(atom)), control);
        EXPECT_EQ(TWinControl::FromHandle(control->Handle()), control);
    }
    EXPECT_EQ(TForm::FromHandle(form.Handle()), &form);
    EXPECT_EQ(TForm::FromHandle(first.Handle()), nullptr);
    EXPECT_EQ(TWinControl::FromHandle(GetDesktopWindow()), nullptr);
    HWND window = first.Handle();
    DestroyWindow(window);
    EXPECT_EQ(TWinControl::FromHandle(window), nullptr);
}

TEST(Application, ListsItsFormsInCreationOrder) {
    size_t before = Application.Forms().size();
    auto a = std::make_unique<TTestForm>();
    auto b = std::make_unique<TTestForm>();
    ASSERT_EQ(Application.Forms().size(), before + 2);
    EXPECT_EQ(Application.Forms()[before], a.get());
    EXPECT_EQ(Application.Forms()[before + 1], b.get());
    a.reset();
    EXPECT_EQ(Application.Forms().back(), b.get());
    EXPECT_EQ(Application.Forms().size(), before + 1);
}

TEST(Forms, KnowTheirMainMenuAndPopupMenus) {
    TTestForm form;
    TMainMenu mainMenu;
    TMenuItem top("top"), command("command");
    top.Add({&command});
    mainMenu.Add({&top});
    EXPECT_EQ(form.Menu(), nullptr);
    form.SetMainMenu(mainMenu);
    EXPECT_EQ(form.Menu(), &mainMenu);
    EXPECT_EQ(GetMenu(form.Handle()), mainMenu.Handle());
    {
        TPopupMenu owned(&form), other;
        EXPECT_EQ(form.PopupMenus(), std::vector<TPopupMenu*>{&owned});
    }
    EXPECT_TRUE(form.PopupMenus().empty());
}

TEST(Forms, ShowModalDisablesTheOtherWindowsUntilItHides) {
    TTestForm main, dialog;
    main.Show();
    bool mainEnabledDuringModal = true;
    TWindowTimer closer(50, [&](TObject* timer) {
        mainEnabledDuringModal = IsWindowEnabled(main.Handle());
        static_cast<TWindowTimer*>(timer)->SetEnabled(false);
        dialog.Hide();
    });
    closer.SetEnabled(true);
    dialog.ShowModal();
    EXPECT_FALSE(mainEnabledDuringModal);
    EXPECT_TRUE(IsWindowEnabled(main.Handle()));
    EXPECT_FALSE(dialog.Visible());
}

TEST(Menus, EachItemHasItsOwnCommandThatClicksIt) {
    TTestForm form;
    TMainMenu menu;
    TMenuItem top("top"), a("a"), b("b");
    top.Add({&a, &b});
    menu.Add({&top});
    form.SetMainMenu(menu);
    EXPECT_NE(a.Command(), b.Command());
    EXPECT_GE(a.Command(), 100u);  // clear of IDOK, IDCANCEL...
    EXPECT_EQ(TMenuItem::FromCommand(b.Command()), &b);
    int clicks = 0;
    b.OnClick = [&](TObject*) { ++clicks; };
    SendMessageW(form.Handle(), WM_COMMAND, b.Command(), 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(TMenuItem::FromSubmenu(top.Submenu()), &top);
}

TEST(Menus, CheckMarksAndEnablingShowInTheNativeMenu) {
    TPopupMenu menu;
    TMenuItem item("item", true);
    menu.Add({&item});
    HMENU handle = menu.Handle();
    EXPECT_TRUE(GetMenuState(handle, item.Command(), MF_BYCOMMAND) & MF_CHECKED);
    item.SetChecked(false);
    EXPECT_FALSE(GetMenuState(handle, item.Command(), MF_BYCOMMAND) & MF_CHECKED);
    item.SetEnabled(false);
    EXPECT_TRUE(GetMenuState(handle, item.Command(), MF_BYCOMMAND) & MF_GRAYED);
}

TEST(Menus, SwitchToOwnerDrawingAndBackKeepsTheCaption) {
    TPopupMenu menu;
    TMenuItem parent("parent"), child("child");
    parent.Add({&child});
    menu.Add({&parent});
    HMENU handle = menu.Handle();
    auto typeOf = [](HMENU owner, UINT command) {
        MENUITEMINFOW info = {sizeof info, MIIM_FTYPE | MIIM_DATA};
        GetMenuItemInfoW(owner, command, FALSE, &info);
        return std::make_pair(info.fType, info.dwItemData);
    };
    menu.SetOwnerDraw(true);
    EXPECT_TRUE(typeOf(handle, parent.Command()).first & MFT_OWNERDRAW);
    EXPECT_TRUE(typeOf(parent.Submenu(), child.Command()).first & MFT_OWNERDRAW);
    EXPECT_EQ(typeOf(parent.Submenu(), child.Command()).second, ULONG_PTR(&child));
    menu.SetOwnerDraw(false);
    EXPECT_FALSE(typeOf(parent.Submenu(), child.Command()).first & MFT_OWNERDRAW);
    wchar_t caption[32] = {};
    GetMenuStringW(parent.Submenu(), child.Command(), caption, 32, MF_BYCOMMAND);
    EXPECT_STREQ(caption, L"child");
}

TEST(Painting, ATransparentLabelShowsItsParentAndNoStaleText) {
    TTestForm form;
    TPanel panel;
    panel.Create(form, {.Bounds = {0, 0, 200, 100}});
    const COLORREF green = RGB(0, 160, 0);
    // Green comes only from a procedure laid over the panel's own, as a
    // skin's is: the label must ask the parent's window, not its object.
    struct GreenPainting : TSubclass {
        LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == WM_PRINTCLIENT) {
                RECT all = {0, 0, 200, 100};
                FillRect(reinterpret_cast<HDC>(wParam), &all, SolidBrush(RGB(0, 160, 0)));
                return 0;
            }
            return CallDefault(message, wParam, lParam);
        }
    } painting;
    painting.Attach(panel.Handle());
    TLabel label;
    label.Create(panel, {.Bounds = {10, 10, 150, 30}, .Caption = "WWWWWWWWWW", .Transparent = true});
    label.SetFont({.Name = "Tahoma", .Height = -24});
    form.Show();
    PumpFor(100ms);
    label.SetText(".");
    PumpFor(100ms);
    // Every pixel right of the dot shows the parent's green, none the old W's.
    HDC dc = GetDC(label.Handle());
    int notGreen = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 20; x < 150; ++x) notGreen += GetPixel(dc, x, y) != green;
    ReleaseDC(label.Handle(), dc);
    EXPECT_EQ(notGreen, 0);
}
