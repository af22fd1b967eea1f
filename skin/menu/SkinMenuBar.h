#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "gui/PressTracker.h"
#include "skin/data/SkinData.h"
#include "skin/draw/PixelBuffer.h"
#include "skin/frame/FrameCoordinates.h"
#include "skin/menu/MenuAnnouncements.h"

// One item of the skinned menu bar, as the window's menu gives it.
struct TMenuBarItem {
    std::wstring Caption;
    UINT Command = 0;
    HMENU Submenu = nullptr;
    bool Enabled = true;
    Rect Bounds;  // window coordinates
};

// The menu bar of a skinned window, drawn by the skin in place of the
// native one (which is kept to be given back), and opened with the mouse or
// the keyboard: its menus walk from one item to the next with the arrows.
// The item under the pointer is framed while the window is active.
class TSkinMenuBar {
public:
    TSkinMenuBar(HWND window, HMENU menu, TSkinData& skin, TMenuAnnouncements& menus, bool rightToLeft);
    ~TSkinMenuBar();
    TSkinMenuBar(const TSkinMenuBar&) = delete;
    TSkinMenuBar& operator=(const TSkinMenuBar&) = delete;

    void Paint(HDC windowDC, Rect bar, bool active);

    // Follows one message of the window for the pointer over the items.
    void Follow(UINT message, WPARAM wParam, LPARAM lParam);
    TPressTracker& Tracker() { return FTracker; }
    // The item under a point in window coordinates, or -1.
    int ItemAt(Point at) const;

    // Opens the item's menu (or runs its command), unless it is disabled,
    // and follows the keyboard and the mouse from one item to the next
    // until the menus close.
    void Open(int index);
    // The item under a point in window coordinates.
    void OpenAt(POINT window);
    // Alt with a letter: the enabled item whose accelerator it is; Alt
    // alone (0): the first enabled item. False when no item answers.
    bool OpenByKey(wchar_t key);
    // WM_MENUSELECT while a menu of the bar is open.
    void MenuSelected(UINT flags, HMENU menu);

private:
    static LRESULT CALLBACK FilterHook(int code, WPARAM wParam, LPARAM lParam);
    bool Filter(MSG& message);
    void Track(int index);
    void SwitchTo(int index);
    void Layout(HDC measuring);
    void ComposeBackground(bool active);
    void PaintItems();
    void PaintItem(int index);
    bool Framed(int index) const;
    int HoverableAt(Point at) const;
    std::vector<bool> OpenableItems() const;
    bool Openable(int index) const;

    HWND FWindow;
    HMENU FMenu;
    TSkinData& FSkin;
    TMenuAnnouncements& FMenus;
    bool FRightToLeft;
    std::vector<TMenuBarItem> FItems;
    TPressTracker FTracker;
    Rect FBar;
    bool FActive = false;
    PixelBuffer FBackground;
    // While a menu of the bar is open.
    int FOpenIndex = -1;
    int FNextIndex = -1;
    bool FSelectedHasSubmenu = false;
    HHOOK FHook = nullptr;
};
