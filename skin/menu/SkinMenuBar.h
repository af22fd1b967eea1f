#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/draw/PixelBuffer.h"
#include "skin/frame/FrameCoordinates.h"
#include "skin/frame/NCObject.h"

class TMainMenu;
class TMenuItem;
class TSkinFrame;
class TSkinMenuBar;

// One item of the skinned menu bar.
class TMenuBtn : public TNCObject {
public:
    TMenuBtn(TSkinMenuBar& bar, int index);

    int Index;
    std::wstring Caption;
    UINT Command = 0;
    HMENU Submenu = nullptr;
    bool ItemEnabled = true;
    TMenuItem* Item = nullptr;  // the framework's item, when there is one

    void Paint() override;

private:
    TSkinMenuBar& FBar;
};

// The menu bar of a skinned window, drawn by the skin in place of the
// native one (which is kept to be given back), and opened with the mouse or
// the keyboard: its menus walk from one item to the next with the arrows.
class TSkinMenuBar {
public:
    TSkinMenuBar(TSkinFrame& frame, HMENU menu, TMainMenu* frameworkMenu);
    ~TSkinMenuBar();
    TSkinMenuBar(const TSkinMenuBar&) = delete;
    TSkinMenuBar& operator=(const TSkinMenuBar&) = delete;

    HMENU NativeMenu() const { return FMenu; }
    // Reads the items from the native menu again.
    void Rebuild();
    void Paint(HDC windowDC, Rect bar, bool active);
    void PaintItem(const TMenuBtn& item);
    std::vector<TNCObject*> Objects() const;
    TNCCurrentObject& CurrentObject();

    // Opens the item's menu (or runs its command) and follows the keyboard
    // and the mouse from one item to the next until the menus close.
    void Open(TMenuBtn& item);
    // The item under a point in window coordinates.
    void OpenAt(POINT window);
    // Alt with a letter: the item whose accelerator it is; Alt alone (0):
    // the first item. False when no item answers.
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
    std::vector<bool> VisibleItems() const;

    TSkinFrame& FFrame;
    HMENU FMenu;
    TMainMenu* FFrameworkMenu;
    std::vector<std::unique_ptr<TMenuBtn>> FItems;
    Rect FBar;
    bool FActive = false;
    PixelBuffer FBackground;
    // While a menu of the bar is open.
    int FOpenIndex = -1;
    int FNextIndex = -1;
    bool FSelectedHasSubmenu = false;
    HHOOK FHook = nullptr;
};
