#pragma once
#include <windows.h>

#include <memory>

#include "gui/Timer.h"
#include "skin/frame/FrameWindow.h"
#include "skin/menu/MenuAnnouncements.h"

class TCaptionButtonRow;
class TPopupMenu;

// The mouse and the keyboard in the skin's non-client area of one window:
// hit testing, the caption buttons and the menu bar items under the
// pointer, clicks on the caption, the skinned system menu, and the system
// commands that the frame answers itself.
class TFrameInput {
public:
    TFrameInput(TFrameWindow& window, TCaptionButtonRow& buttons, TMenuAnnouncements& menus);
    ~TFrameInput();

    // The window's activation: the caption timer runs only while the
    // window is active and the pointer is over a caption button or a menu
    // bar item, and losing activation ends any press or hover.
    void SetActive(bool active);
    void StopCaptionTimer() { FCaptionTimer.SetEnabled(false); }
    // The window lets go of the skin: no system menu, no timer.
    void Detach();

    // WM_NCHITTEST, once the window's own procedure answered native.
    LRESULT HitTest(LRESULT native, LPARAM lParam) const;
    // Any message, for the mouse over the frame and a press in it: true
    // when the frame took it, with its result.
    bool Mouse(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The click of a caption button (released over it while pressed).
    void RunCaptionButton(int button);
    // WM_SYSCOMMAND, and system commands that come as WM_COMMAND: true
    // when the frame answered them itself.
    bool SysCommand(WPARAM wParam, LPARAM lParam);
    bool Command(WPARAM wParam, LPARAM lParam);
    // WM_INITMENUPOPUP: the manager learns which kind of menu opens.
    void InitMenuPopup(HMENU menu, bool systemMenu);

private:
    bool DoubleClick(WPARAM hit, Point at);
    bool OverPart(Point at) const;
    void OpenSystemMenu(POINT screen);
    void EndHover();
    void CaptionTimerTick();

    TFrameWindow& FWindow;
    TCaptionButtonRow& FButtons;
    TMenuAnnouncements& FMenus;
    TWindowTimer FCaptionTimer;
    std::unique_ptr<TPopupMenu> FSystemMenu;
    DWORD FLastSystemMenuOpening = 0;
};
