#include "tray/TrayIcon.h"

#include <commctrl.h>
#include <shlwapi.h>

#include "base/GbkText.h"
#include "base/win32/Win32Text.h"
#include "gui/Application.h"
#include "gui/Form.h"
#include "gui/Menus.h"

namespace {
const UINT kIconFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
const size_t kTipBytes = 127, kInfoBytes = 255, kInfoTitleBytes = 63;
const UINT kExitPollInterval = 20;
const DWORD kBalloonIcons[] = {NIIF_NONE, NIIF_INFO, NIIF_WARNING, NIIF_ERROR, NIIF_USER};

// The shell that restarts sends this to every top-level window; it exists
// from common controls 4.71 on.
UINT RegisterTaskbarCreated() {
    HMODULE controls = GetModuleHandleW(L"comctl32.dll");
    auto getVersion = controls ? reinterpret_cast<DLLGETVERSIONPROC>(
                                     reinterpret_cast<void*>(GetProcAddress(controls, "DllGetVersion")))
                               : nullptr;
    DLLVERSIONINFO version = {sizeof version};
    if (!getVersion || getVersion(&version) != S_OK) return 0;
    if (version.dwMajorVersion < 4 || (version.dwMajorVersion == 4 && version.dwMinorVersion < 71)) return 0;
    return RegisterWindowMessageW(L"TaskbarCreated");
}

UINT TaskbarCreatedMessage() {
    static UINT message = RegisterTaskbarCreated();
    return message;
}

TShiftState ShiftFromKeyboard() {
    return (GetAsyncKeyState(VK_SHIFT) < 0 ? ssShift : 0) | (GetAsyncKeyState(VK_CONTROL) < 0 ? ssCtrl : 0) |
           (GetAsyncKeyState(VK_MENU) < 0 ? ssAlt : 0);
}

// A GBK text cut to the shell's limit, never inside a character, into a
// fixed wide field with its terminating zero.
template <size_t N>
void PutText(WCHAR (&field)[N], const std::string& text, size_t maxBytes) {
    std::wstring wide = Widen(GbkPrefix(text, maxBytes));
    size_t length = std::min(wide.size(), N - 1);
    wide.copy(field, length);
    field[length] = 0;
}
}  // namespace

// --- shared window ---

HWND TTrayIconHandler::SharedWindow() {
    std::shared_ptr<TTrayIconHandler> handler = TSharedInstance<TTrayIconHandler>::Current();
    return handler ? handler->Handle() : nullptr;
}

LRESULT TTrayIconHandler::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case TrayCallbackMessage: {
        // The callback names its icon by address; only a live one is called.
        auto* icon = reinterpret_cast<TTrayIcon*>(wParam);
        if (FIcons.count(icon)) icon->HandleCallback(UINT(lParam));
        return 0;
    }
    // The icons' menus, owner-drawn, are drawn by their items.
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
        return TMenuItem::DispatchOwnerDraw(message, lParam);
    // Never closed by request, never vetoing the end of the session.
    case WM_DESTROY:
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
    case WM_QUIT:
    case WM_ENDSESSION:
    case WM_NCDESTROY:
        return 1;
    }
    return DefWindowProcW(Handle(), message, wParam, lParam);
}

// --- construction and properties ---

TTrayIcon::TTrayIcon(TWinControl* owner) : FOwner(owner) {
    FHandler->Register(this);
    FIcon.OnChange = [this] { UpdateIcon(); };
    FIconData.cbSize = NOTIFYICONDATAW_V2_SIZE;
    FIconData.hWnd = FHandler->Handle();
    FIconData.uID = UINT(reinterpret_cast<UINT_PTR>(this));
    FIconData.uFlags = kIconFlags;
    FIconData.uCallbackMessage = TrayCallbackMessage;
    CycleTimer = std::make_unique<TWindowTimer>(1000, [this](TObject*) { CycleTimerStep(); });
    ClickTimer = std::make_unique<TWindowTimer>(1000, [this](TObject*) { ClickTimerStep(); });
    ExitTimer = std::make_unique<TWindowTimer>(kExitPollInterval, [this](TObject*) { ExitTimerStep(); });
    TaskbarCreatedMessage();
    FApplicationHook = Application.HookMainWindow([this](UINT message, WPARAM wParam, LPARAM, LRESULT&) {
        return ApplicationHook(message, wParam);
    });
    if (FOwner) FOwnerWatch.Attach(FOwner->Handle());
}

TTrayIcon::~TTrayIcon() {
    SetIconVisible(false);
    CycleTimer.reset();
    ClickTimer.reset();
    ExitTimer.reset();
    FIcon.OnChange = nullptr;
    Application.UnhookMainWindow(FApplicationHook);
    FOwnerWatch.Detach();
    FHandler->Unregister(this);
}

void TTrayIcon::Loaded() {
    if (FOwner) {
        bool showMainForm = true;
        CallEvent(OnStartup, this, showMainForm);
        if (!showMainForm) {
            Application.ShowMainForm = false;
            HideMainWindow();
        }
    }
    UpdateIcon();
    SetIconVisible(FIconVisible);
    SetCycleIcons(FCycleIcons);
    SetWantEnterExitEvents(FWantEnterExitEvents);
    SetNotifyVersion(FNotifyVersion);
}

void TTrayIcon::SetIconList(TImageList* list) {
    FIconList = list;
    SetIconIndex(0);
}

void TTrayIcon::SetCycleIcons(bool cycle) {
    FCycleIcons = cycle;
    if (cycle) {
        SetIconIndex(0);
        CycleTimer->SetInterval(FCycleInterval);
        CycleTimer->SetEnabled(true);
    } else {
        CycleTimer->SetEnabled(false);
    }
}

void TTrayIcon::SetCycleInterval(UINT interval) {
    if (interval == FCycleInterval) return;
    FCycleInterval = interval;
    SetCycleIcons(FCycleIcons);
}

void TTrayIcon::SetHint(const std::string& hint) {
    FHint = hint;
    UpdateIcon();
}

void TTrayIcon::SetShowHint(bool show) {
    FShowHint = show;
    UpdateIcon();
}

void TTrayIcon::SetIcon(HICON icon) {
    FIcon.OnChange = nullptr;
    FIcon.Assign(icon);
    FIcon.OnChange = [this] { UpdateIcon(); };
    UpdateIcon();
}

void TTrayIcon::SetIconVisible(bool visible) {
    if (visible)
        AddIcon();
    else
        RemoveIcon();
}

void TTrayIcon::SetIconIndex(int index) {
    if (FIconList && FIconList->Count() > 0) {
        FIconIndex = std::min(index, FIconList->Count() - 1);
        FIconList->GetIcon(FIconIndex, FIcon);
    } else {
        FIconIndex = 0;
    }
    UpdateIcon();
}

// The exit poll runs only while the pointer is over the icon: from the move
// that enters to the exit it finds.
void TTrayIcon::SetWantEnterExitEvents(bool want) {
    FWantEnterExitEvents = want;
    ExitTimer->SetEnabled(want && !PointerOutside);
}

void TTrayIcon::SetNotifyVersion(int version) {
    FNotifyVersion = version;
    if (version == 0) FIconData.uVersion = 0;
    if (version == 1) FIconData.uVersion = NOTIFYICON_VERSION;
    Notify(NIM_SETVERSION);
}

// --- shell requests ---

bool TTrayIcon::PrepareIconData() {
    FIconData.hIcon = FIcon.Handle();
    if (!FHint.empty() && FShowHint)
        PutText(FIconData.szTip, FHint, kTipBytes);
    else
        FIconData.szTip[0] = 0;
    return true;
}

bool TTrayIcon::Notify(DWORD request) { return Shell_NotifyIconW(request, &FIconData); }

bool TTrayIcon::AddIcon() {
    FIconVisible = true;
    return PrepareIconData() && Notify(NIM_ADD);
}

bool TTrayIcon::RemoveIcon() {
    FIconVisible = false;
    return PrepareIconData() && Notify(NIM_DELETE);
}

// Sent whether or not the icon shows; the shell refuses it while it is absent.
bool TTrayIcon::UpdateIcon() { return PrepareIconData() && Notify(NIM_MODIFY); }

bool TTrayIcon::ShowBalloon(const std::string& title, const std::string& text, int iconKind, int timeoutSeconds) {
    HideBalloon();
    FIconData.uFlags |= NIF_INFO;
    PutText(FIconData.szInfo, text, kInfoBytes);
    PutText(FIconData.szInfoTitle, title, kInfoTitleBytes);
    FIconData.uTimeout = UINT(timeoutSeconds) * 1000;
    FIconData.dwInfoFlags = iconKind >= 0 && iconKind <= 4 ? kBalloonIcons[iconKind] : NIIF_NONE;
    bool shown = UpdateIcon();
    FIconData.uFlags = kIconFlags;
    return shown;
}

// A modify request with an empty balloon text takes a shown balloon away.
void TTrayIcon::HideBalloon() {
    FIconData.uFlags |= NIF_INFO;
    FIconData.szInfo[0] = 0;
    UpdateIcon();
    FIconData.uFlags = kIconFlags;
}

// --- callbacks ---

void TTrayIcon::HandleCallback(UINT event) {
    switch (event) {
    case NIN_BALLOONSHOW:
        return CallEvent(OnBalloonHintShow, this);
    case NIN_BALLOONHIDE:
        return CallEvent(OnBalloonHintHide, this);
    case NIN_BALLOONTIMEOUT:
        return CallEvent(OnBalloonHintTimeout, this);
    case NIN_BALLOONUSERCLICK:
        return CallEvent(OnBalloonHintClick, this);
    }
    if (!Enabled) return;
    POINT at = {};
    GetCursorPos(&at);
    HandleButtonEvent(event, ShiftFromKeyboard(), at);
}

void TTrayIcon::HandleButtonEvent(UINT event, TShiftState shift, POINT at) {
    bool autoPopup = PopupMenu && PopupMenu->AutoPopup;
    switch (event) {
    case WM_MOUSEMOVE:
        if (FWantEnterExitEvents && PointerOutside) {
            PointerOutside = false;
            ExitTimer->SetEnabled(true);
            DoMouseEnter();
        }
        DoMouseMove(shift, at.x, at.y);
        LastMovePoint = at;
        break;
    case WM_LBUTTONDOWN:
        if (FClicks.Press(bool(OnDblClick))) {
            ClickTimer->SetInterval(GetDoubleClickTime());
            ClickTimer->SetEnabled(true);
        }
        DoMouseDown(mbLeft, shift | ssLeft, at.x, at.y);
        if (LeftPopup && autoPopup) {
            SetForegroundWindow(FHandler->Handle());
            PopupMenuAtPointer();
        }
        break;
    case WM_LBUTTONUP:
        if (FClicks.Release()) DoClick();
        DoMouseUp(mbLeft, shift | ssLeft, at.x, at.y);
        break;
    case WM_LBUTTONDBLCLK:
        FClicks.DoubleClick();
        DoDblClick();
        if (autoPopup && !LeftPopup)
            for (TMenuItem* item : PopupMenu->Items())
                if (item->Default) {
                    item->Click();
                    break;
                }
        break;
    case WM_RBUTTONDOWN:
        DoMouseDown(mbRight, shift | ssRight, at.x, at.y);
        if (autoPopup) {
            SetForegroundWindow(FHandler->Handle());
            PopupMenuAtPointer();
        }
        break;
    case WM_RBUTTONUP:
        if (FNotifyVersion == 0) DoMouseUp(mbRight, shift | ssRight, at.x, at.y);
        break;
    case WM_CONTEXTMENU:
    case NIN_SELECT:
    case NIN_KEYSELECT:
        if (FNotifyVersion == 1) DoMouseUp(mbRight, shift | ssRight, at.x, at.y);
        break;
    case WM_MBUTTONDOWN:
        DoMouseDown(mbMiddle, shift | ssMiddle, at.x, at.y);
        break;
    case WM_MBUTTONUP:
        DoMouseUp(mbMiddle, shift | ssMiddle, at.x, at.y);
        break;
    }
}

// One double-click time after the press.
void TTrayIcon::ClickTimerStep() {
    ClickTimer->SetEnabled(false);
    if (FClicks.WaitEnded()) DoClick();
}

// The shell reports moves only over the icon, so a pointer that stands
// elsewhere than at the last reported move has left it.
void TTrayIcon::ExitTimerStep() {
    POINT at;
    if (!GetCursorPos(&at)) return;
    if (at.x != LastMovePoint.x || at.y != LastMovePoint.y) {
        PointerOutside = true;
        ExitTimer->SetEnabled(false);
        DoMouseExit();
    }
}

void TTrayIcon::CycleTimerStep() {
    if (!FIconList) return;
    FIconList->GetIcon(FIconIndex, FIcon);
    DoCycle();
    SetIconIndex(FIconIndex < FIconList->Count() - 1 ? FIconIndex + 1 : 0);
}

// --- event hooks ---

void TTrayIcon::DoClick() { CallEvent(OnClick, this); }
void TTrayIcon::DoDblClick() { CallEvent(OnDblClick, this); }

void TTrayIcon::DoCycle() {
    int next = FIconList && FIconIndex < FIconList->Count() - 1 ? FIconIndex + 1 : 0;
    CallEvent(OnCycle, this, next);
}

void TTrayIcon::DoMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    CallEvent(OnMouseDown, this, button, shift, x, y);
}

void TTrayIcon::DoMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    CallEvent(OnMouseUp, this, button, shift, x, y);
}

void TTrayIcon::DoMouseMove(TShiftState shift, int x, int y) { CallEvent(OnMouseMove, this, shift, x, y); }
void TTrayIcon::DoMouseEnter() { CallEvent(OnMouseEnter, this); }
void TTrayIcon::DoMouseExit() { CallEvent(OnMouseExit, this); }

void TTrayIcon::DoTrayMinimize() {
    HideMainWindow();
    SetIconVisible(true);
}

// --- popup menu ---

void TTrayIcon::PopupMenuAtPointer() {
    POINT at;
    if (GetCursorPos(&at)) PopupMenuAt(at.x, at.y);
}

void TTrayIcon::PopupMenuAt(int x, int y) {
    if (!PopupMenu) return;
    // The menu closes on a click elsewhere only if its window is in front.
    HWND shared = FHandler->Handle();
    SetForegroundWindow(shared);
    Application.ProcessMessages();
    PopupMenu->PopupComponent = this;
    PopupMenu->Popup(x, y, shared);
    if (FOwner) PostMessageW(FOwner->Handle(), WM_NULL, 0, 0);
}

// --- the main form ---

bool TTrayIcon::HasMainForm() const { return FOwner && Application.MainForm(); }

void TTrayIcon::HideMainWindow() {
    if (!HasMainForm()) return;
    Application.MainForm()->Hide();
    HideTaskbarButton();
}

void TTrayIcon::HideTaskbarButton() {
    if (IsWindowVisible(Application.Handle())) ShowWindow(Application.Handle(), SW_HIDE);
}

void TTrayIcon::RestoreMainWindow() {
    if (!HasMainForm()) return;
    TForm* main = Application.MainForm();
    Application.Restore();
    if (main->Minimized()) main->SetMinimized(false);
    main->Show();
    SetForegroundWindow(Application.Handle());
    // The hidden application window passes activation on to no one, so the
    // main form takes it back and with it the focus it had (the form's own
    // activation handling restores that).
    SetForegroundWindow(main->Handle());
}

// Sees every message of the application window and never takes one away.
bool TTrayIcon::ApplicationHook(UINT message, WPARAM wParam) {
    TForm* main = Application.MainForm();
    if (message == WM_SIZE && wParam == SIZE_MINIMIZED && MinimizeToTray) {
        DoTrayMinimize();
    } else if (message == WM_WINDOWPOSCHANGED && MdiStartupPending && main) {
        // The framework has no MDI forms, so only the start-up flag is left to clear.
        MdiStartupPending = false;
    } else if (message == WM_SYSCOMMAND && wParam == SC_RESTORE && main) {
        if (main->Minimized()) main->SetMinimized(false);
        main->Show();
    } else if (message != 0 && message == TaskbarCreatedMessage() && FIconVisible) {
        AddIcon();
    }
    return false;
}

bool TTrayIcon::MinimizeCheck() {
    if (!MinimizeToTray || !OnMinimizeToTray) return false;
    CallEvent(OnMinimizeToTray, this);
    DoTrayMinimize();
    return true;
}

LRESULT TTrayIcon::OwnerWatch::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SHOWWINDOW && wParam == TRUE && lParam == 0) {
        SetForegroundWindow(Application.Handle());
        SetForegroundWindow(Handle());
    } else if ((message == WM_SHOWWINDOW && wParam == FALSE && lParam == SW_PARENTCLOSING &&
                !Application.Terminated()) ||
               (message == WM_SYSCOMMAND && wParam == SC_MINIMIZE)) {
        if (FIcon.MinimizeCheck()) return 1;
    }
    return CallDefault(message, wParam, lParam);
}
