#include "skin/frame/FrameInput.h"

#include <windowsx.h>

#include "gui/Menus.h"
#include "skin/frame/CaptionButtonRow.h"
#include "skin/manager/SkinMessages.h"
#include "skin/menu/SkinMenuBar.h"
#include "skin/menu/SystemMenu.h"

namespace {
const UINT kCaptionTimerInterval = 250;

POINT ScreenPoint(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

// Commands of the system menu that arrive as WM_COMMAND go back to being
// system commands.
bool IsSystemCommand(WPARAM command) {
    switch (command & 0xFFF0) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE:
        return true;
    }
    return false;
}

// A hover ends once the pointer is off its part, even when no leave notice
// came; a press is the tracker's to end.
void EndHoverAwayFrom(TPressTracker& tracker, int partUnderPointer) {
    int hot = tracker.Look().Hot;
    if (!tracker.Holding() && hot >= 0 && hot != partUnderPointer) tracker.Cancel();
}
}  // namespace

TFrameInput::TFrameInput(TFrameWindow& window, TCaptionButtonRow& buttons, TMenuAnnouncements& menus)
    : FWindow(window),
      FButtons(buttons),
      FMenus(menus),
      FCaptionTimer(kCaptionTimerInterval, [this](TObject*) { CaptionTimerTick(); }) {}

TFrameInput::~TFrameInput() = default;

void TFrameInput::SetActive(bool active) {
    FWindow.Active = active;
    if (active) return;
    StopCaptionTimer();
    EndHover();
}

void TFrameInput::Detach() {
    FSystemMenu.reset();
    StopCaptionTimer();
}

void TFrameInput::EndHover() {
    FButtons.Tracker().Cancel();
    if (FWindow.MenuBar) FWindow.MenuBar->Tracker().Cancel();
}

// Not while a menu of a bar is open: its item stays framed. The timer
// stops once nothing is hot and the pointer is over no part; a move over a
// part starts it again.
void TFrameInput::CaptionTimerTick() {
    if (FMenus.MenuBarTracking()) return;
    TSkinMenuBar* bar = FWindow.MenuBar;
    POINT cursor;
    GetCursorPos(&cursor);
    Point at = FWindow.WindowPoint(cursor);
    EndHoverAwayFrom(FButtons.Tracker(), FButtons.ButtonAt(at));
    if (bar) EndHoverAwayFrom(bar->Tracker(), bar->ItemAt(at));
    bool anyHot = FButtons.Tracker().Look().Hot >= 0 || (bar && bar->Tracker().Look().Hot >= 0);
    if (!anyHot && !OverPart(at)) StopCaptionTimer();
}

LRESULT TFrameInput::HitTest(LRESULT native, LPARAM lParam) const {
    if (!FWindow.DrawsFrame()) return native;
    POINT at = ScreenPoint(lParam);
    ScreenToClient(FWindow.Handle, &at);
    return SkinnedHitTest(int(native), {int(at.x), int(at.y)}, FWindow.Metrics);
}

bool TFrameInput::OverPart(Point at) const {
    return FButtons.ButtonAt(at) >= 0 || (FWindow.MenuBar && FWindow.MenuBar->ItemAt(at) >= 0);
}

// A double click is no press here: it never reaches the trackers. A press
// on a part of an inactive window brings the window forward first.
bool TFrameInput::Mouse(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    if (!FWindow.Drawn) return false;
    bool nonClient = message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK;
    Point at = nonClient ? FWindow.WindowPoint(ScreenPoint(lParam)) : Point{};
    if (message == WM_NCMOUSEMOVE && FWindow.Active && FWindow.Skinned && OverPart(at))
        FCaptionTimer.SetEnabled(true);
    switch (message) {
    case WM_NCLBUTTONDBLCLK:
        return DoubleClick(wParam, at);
    case WM_NCRBUTTONDOWN:
        if (wParam != HTCAPTION) return false;
        OpenSystemMenu(ScreenPoint(lParam));
        return true;
    case WM_NCLBUTTONDOWN:
        if (!FWindow.Active && OverPart(at)) SetForegroundWindow(FWindow.Handle);
        break;
    }
    if (FButtons.Track(message, wParam, lParam)) return true;
    TSkinMenuBar* bar = FWindow.MenuBar;
    if (bar) bar->Follow(message, wParam, lParam);
    switch (message) {
    case WM_NCLBUTTONDOWN:
        if (int item = bar ? bar->ItemAt(at) : -1; item >= 0) {
            bar->Open(item);
            return true;
        }
        if (OverPart(at)) return true;
        // A maximised window cannot be dragged by its caption.
        if (FWindow.Active && FWindow.State == WindowState::Maximised && wParam == HTCAPTION) {
            result = FWindow.PassOn(message, HTMENU, lParam);
            return true;
        }
        return false;
    case WM_NCLBUTTONUP:
        return OverPart(at);
    }
    return false;
}

bool TFrameInput::DoubleClick(WPARAM hit, Point at) {
    int button = FButtons.ButtonAt(at);
    if (button >= 0 && IsSystemIconAction(FWindow.Skin.CaptionButtons[size_t(button)].Action)) {
        PostMessageW(FWindow.Handle, WM_CLOSE, 0, 0);
        return true;
    }
    if (OverPart(at)) return true;
    if (hit != HTCAPTION) return false;
    if (FWindow.State != WindowState::Normal)
        PostMessageW(FWindow.Handle, WM_SYSCOMMAND, SC_RESTORE, 0);
    else if (FWindow.Flags.MaximiseBox)
        PostMessageW(FWindow.Handle, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    else
        return false;
    return true;
}

void TFrameInput::RunCaptionButton(int button) {
    HWND window = FWindow.Handle;
    const Rect& bounds = FButtons.PlaceOf(button).Bounds;
    bool closeItem = GetMenuState(GetSystemMenu(window, FALSE), SC_CLOSE, MF_BYCOMMAND) != UINT(-1);
    CaptionCommand command = CaptionButtonClick(FWindow.Skin.CaptionButtons[size_t(button)],
                                                FButtons.PlaceOf(button).Enabled, FWindow.State, closeItem);
    switch (command.Kind) {
    case CaptionCommandKind::Close:
        StopCaptionTimer();
        PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case CaptionCommandKind::Maximise:
        PostMessageW(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        break;
    case CaptionCommandKind::Minimise:
        PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        break;
    case CaptionCommandKind::Restore:
        PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        break;
    case CaptionCommandKind::SystemMenu: {
        RECT outer;
        GetWindowRect(window, &outer);
        OpenSystemMenu({outer.left + bounds.Left, outer.top + bounds.Top + bounds.Height});
        break;
    }
    case CaptionCommandKind::PostAction:
        PostMessageW(window, SkinMessage::CaptionButtonAction, WPARAM(command.Action), 0);
        break;
    case CaptionCommandKind::Nothing:
        break;
    }
}

void TFrameInput::OpenSystemMenu(POINT screen) {
    // A second opening within the double-click time, from a caption button,
    // is a double click on the system icon: it closes the window.
    DWORD now = GetTickCount();
    bool doubleClick = FButtons.Tracker().Look().Hot >= 0 && now - FLastSystemMenuOpening <= GetDoubleClickTime();
    FLastSystemMenuOpening = now;
    if (doubleClick) {
        PostMessageW(FWindow.Handle, WM_CLOSE, 0, 0);
        return;
    }
    FMenus.AnnounceMenu(TMenuKind::System);
    FSystemMenu = BuildSkinnedSystemMenu(FWindow.Handle, FWindow.Skin, FWindow.State, FWindow.Flags);
    FSystemMenu->Popup(screen.x, screen.y, FWindow.Handle);
    EndHover();
}

bool TFrameInput::SysCommand(WPARAM wParam, LPARAM lParam) {
    switch (wParam & 0xFFF0) {
    case SC_KEYMENU:
        if (lParam == ' ') {
            RECT bounds;
            GetWindowRect(FWindow.Handle, &bounds);
            OpenSystemMenu({bounds.left + FWindow.Metrics.Left, bounds.top + FWindow.Metrics.Caption});
            return true;
        }
        return FWindow.MenuBar && FWindow.MenuBar->OpenByKey(wchar_t(lParam));
    case SC_MINIMIZE:
        FWindow.State = WindowState::Minimised;
        break;
    case SC_MAXIMIZE:
        FWindow.State = WindowState::Maximised;
        break;
    case SC_RESTORE:
        FWindow.State = WindowState::Normal;
        break;
    }
    return false;
}

bool TFrameInput::Command(WPARAM wParam, LPARAM lParam) {
    if (lParam != 0 || !IsSystemCommand(wParam)) return false;
    PostMessageW(FWindow.Handle, WM_SYSCOMMAND, wParam & 0xFFF0, 0);
    return true;
}

void TFrameInput::InitMenuPopup(HMENU menu, bool systemMenu) {
    bool ours = FSystemMenu && menu == FSystemMenu->Handle();
    FMenus.AnnounceMenu(systemMenu || ours ? TMenuKind::System : TMenuKind::MenuBar);
}
