#include "gui/Form.h"

#include <vector>

#include "gui/Application.h"
#include "gui/ControlMessages.h"

namespace {
DWORD StyleOf(const TForm::Args& args) {
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (args.MinimizeBox) style |= WS_MINIMIZEBOX;
    return style;
}

DWORD ExStyleOf(const TForm::Args& args) {
    DWORD exStyle = WS_EX_CONTROLPARENT | WS_EX_WINDOWEDGE;
    if (args.BorderStyle == TBorderStyle::ToolWindow) exStyle |= WS_EX_TOOLWINDOW;
    if (args.StayOnTop) exStyle |= WS_EX_TOPMOST;
    return exStyle;
}

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM list) {
    if (IsWindowVisible(window) && IsWindowEnabled(window))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

RECT CenteredIn(const RECT& area, int width, int height) {
    int left = area.left + (area.right - area.left - width) / 2;
    int top = area.top + (area.bottom - area.top - height) / 2;
    return {left, top, left + width, top + height};
}
}  // namespace

TForm::TForm(const Args& args) : FPosition(args.Position) {
    RECT frame = {0, 0, args.ClientWidth, args.ClientHeight};
    AdjustWindowRectEx(&frame, StyleOf(args), FALSE, ExStyleOf(args));
    HWND owner = args.OwnedByDesktop ? GetDesktopWindow() : Application.Handle();
    CreateTopLevel(owner,
                   {args.ClassName, nullptr, StyleOf(args), ExStyleOf(args),
                    {0, 0, frame.right - frame.left, frame.bottom - frame.top}, CS_DBLCLKS},
                   args.Font);
    SetText(args.Caption);
    Application.AddForm(this);
}

TForm::~TForm() { Application.RemoveForm(this); }

TForm* TForm::FromHandle(HWND window) {
    if (!window) return nullptr;
    for (TForm* form : Application.Forms())
        if (form->Handle() == window) return form;
    return dynamic_cast<TForm*>(TWinControl::FromHandle(window));
}

void TForm::SetMainMenu(TMainMenu& menu) {
    RECT client;
    GetClientRect(Handle(), &client);
    FMenu = &menu;
    SetMenu(Handle(), menu.Handle());
    AdjustWindowRectEx(&client, GetWindowLongW(Handle(), GWL_STYLE), TRUE, GetWindowLongW(Handle(), GWL_EXSTYLE));
    SetWindowPos(Handle(), nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TForm::IsMainForm() const { return Application.MainForm() == this; }

void TForm::PlaceOnScreen() {
    RECT window;
    GetWindowRect(Handle(), &window);
    RECT area;
    TForm* main = Application.MainForm();
    if (FPosition == TPosition::MainFormCenter && main && main != this)
        GetWindowRect(main->Handle(), &area);
    else
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    RECT placed = CenteredIn(area, window.right - window.left, window.bottom - window.top);
    SetWindowPos(Handle(), nullptr, placed.left, placed.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Show() {
    if (!FPlaced || FPosition == TPosition::MainFormCenter) PlaceOnScreen();
    FPlaced = true;
    if (!Visible()) CallEvent(OnShow, this);
    // The main form brings the taskbar button with it.
    if (IsMainForm() && !IsWindowVisible(Application.Handle())) ShowWindow(Application.Handle(), SW_SHOWNOACTIVATE);
    SetVisible(true);
    SetForegroundWindow(Handle());
}

void TForm::Hide() {
    if (!Visible()) return;
    SetVisible(false);
    CallEvent(OnHide, this);
}

void TForm::SetMinimized(bool minimized) { ShowWindow(Handle(), minimized ? SW_MINIMIZE : SW_RESTORE); }

void TForm::ShowModal() {
    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow, reinterpret_cast<LPARAM>(&disabled));
    for (HWND window : disabled) EnableWindow(window, FALSE);
    Show();
    while (Visible() && !Application.Terminated() && Application.HandleMessage()) {
    }
    for (HWND window : disabled) EnableWindow(window, TRUE);
}

bool TForm::CloseQuery() {
    bool canClose = true;
    CallEvent(OnCloseQuery, this, canClose);
    return canClose;
}

void TForm::Close() {
    if (!CloseQuery()) return;
    TCloseAction action = IsMainForm() ? TCloseAction::Free : TCloseAction::Hide;
    CallEvent(OnClose, this, action);
    if (action == TCloseAction::Hide)
        Hide();
    else if (action == TCloseAction::Free && IsMainForm())
        Application.Terminate();
}

bool TForm::HandleMenuCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam != 0 || HIWORD(wParam) != 0) return false;
    TMenuItem* item = TMenuItem::FromCommand(LOWORD(wParam));
    if (item) item->Click();
    return item != nullptr;
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_COMMAND:
        if (HandleMenuCommand(wParam, lParam)) return 0;
        break;
    case WM_INITMENUPOPUP:
        // Opening a submenu counts as a click on the item that holds it.
        if (!HIWORD(lParam))
            if (TMenuItem* item = TMenuItem::FromSubmenu(reinterpret_cast<HMENU>(wParam))) item->Click();
        break;
    case WM_SYSCOMMAND:
        // Minimising the main form minimises the whole application.
        if ((wParam & 0xFFF0) == SC_MINIMIZE && IsMainForm()) {
            Application.Minimize();
            return 0;
        }
        break;
    case WM_QUERYENDSESSION:
        return CloseQuery();
    case CM_DIALOGKEY:
        return Broadcast(message, wParam, lParam);
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(Handle(), focus)) FFocused = focus;
        } else if (!HIWORD(wParam)) {
            HWND target = FFocused && IsWindow(FFocused) ? FFocused : GetNextDlgTabItem(Handle(), nullptr, FALSE);
            if (target) ::SetFocus(target);
            return 0;
        }
        break;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}
