#include "skin/frame/SkinFrame.h"

#include <windowsx.h>

#include "gui/Form.h"
#include "gui/Menus.h"
#include "skin/control/SkinControl.h"
#include "skin/data/SkinGdi.h"
#include "skin/manager/ControlWalk.h"
#include "skin/manager/SkinMessages.h"
#include "skin/manager/SkinnerRows.h"
#include "skin/menu/SkinMenuBar.h"
#include "skin/menu/SkinMenuItems.h"

namespace {
const UINT WM_NCUAHDRAWCAPTION = 0xAE;

Size ClientSize(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}
}  // namespace

TSkinFrame::TSkinFrame(TMenuAnnouncements& menus, TSkinData& skin, TForm* form, std::string className)
    : FMenus(menus),
      FForm(form),
      FClassName(std::move(className)),
      FWindow(skin),
      FButtons(FWindow, [this] { FPainting.PaintCaption(); }, [this](int button) { FInput.RunCaptionButton(button); }),
      FPainting(FWindow, FButtons),
      FInput(FWindow, FButtons, menus) {
    FWindow.PassOn = [this](UINT message, WPARAM wParam, LPARAM lParam) {
        return CallDefault(message, wParam, lParam);
    };
}

TSkinFrame::~TSkinFrame() {
    if (Attached()) Restore();
}

void TSkinFrame::SetState(TState state) {
    FState = state;
    FWindow.Skinned = state == Skinned;
}

// --- attach, finish, restore ---

void TSkinFrame::Attach(HWND window) {
    TSkinData& skin = FWindow.Skin;
    FWindow.Handle = window;
    if (FForm) CallEvent(skin.OnBeforeSkinForm, &skin, static_cast<void*>(window), FClassName);
    FWindow.Drawn = skin.SkinControls.test(scMainMenu);
    FWindow.Flags = ReadFrameFlags({DWORD(GetWindowLongW(window, GWL_STYLE)), DWORD(GetWindowLongW(window, GWL_EXSTYLE)),
                                    FClassName, FForm != nullptr});
    Size outer = FWindow.WindowSize(), client = ClientSize(window);
    FNativeExtents = {outer.Width - client.Width, outer.Height - client.Height};
    ReadWindowState();
    FWindow.Active = GetActiveWindow() == window;
    if (!TSubclass::Attach(window)) {
        SetState(Dead);
        return;
    }
    if (FForm) {
        FFormColor = FForm->Color();
        FForm->SetColor(ToColorRef(skin.Colours.ButtonFace));
        if (skin.SkinControls.test(scMenuItem) && FForm->Menu())
            AttachSkinHandlers(*FForm->Menu(), skin, MenuKind::MainMenuSubmenu);
    }
    if (!FWindow.Drawn) return;
    HMENU menu = GetMenu(window);
    int menuBarHeight = 0;
    if (menu && !FWindow.Flags.Child) {
        FNativeMenu = menu;
        menuBarHeight = GetSystemMetrics(SM_CYMENU);
        FMenuBar = std::make_unique<TSkinMenuBar>(window, menu, skin, FMenus, FWindow.Flags.RightToLeft);
        FWindow.MenuBar = FMenuBar.get();
        // The bar is ours now; the native one would take room above the client area.
        SetMenu(window, nullptr);
    }
    FWindow.Metrics = ComputeFrameMetrics(skin, FWindow.Flags.Border, menuBarHeight);
}

void TSkinFrame::Finish() {
    if (FState != Attaching) return;
    FPainting.TakeSmallIcon();
    WalkControls();
    if (FWindow.DrawsFrame() && !FWindow.Flags.Child && FWindow.State != WindowState::Minimised) {
        SetState(Resizing);
        ResizeToKeepClientArea();
        if (FWindow.Flags.Border == BorderKind::Dialog) WidenDialogForCaption();
    }
    SendMessageW(FWindow.Handle, SkinMessage::SkinningComplete, 0, SkinMessage::Signature);
    if (FForm) CallEvent(FWindow.Skin.OnAfterSkinForm, &FWindow.Skin, static_cast<void*>(FWindow.Handle), FClassName);
    SetState(Skinned);
    FPainting.UpdateRegion(true);
    FInput.SetActive(GetActiveWindow() == FWindow.Handle);
}

// The client area the window has with its native frame, whatever happened
// to the window since it was attached (a dialog lays itself out late).
void TSkinFrame::ResizeToKeepClientArea() {
    Size window = FWindow.WindowSize();
    Size client = {std::max(window.Width - int(FNativeExtents.cx), 0), std::max(window.Height - int(FNativeExtents.cy), 0)};
    Size size = SkinnedWindowSize(client, FWindow.Metrics);
    SetWindowPos(FWindow.Handle, nullptr, 0, 0, size.Width, size.Height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TSkinFrame::WidenDialogForCaption() {
    HWND handle = FWindow.Handle;
    std::wstring text = FWindow.CaptionText();
    TWindowDC screen(nullptr);
    TSelection font(screen.Get(), SkinGdiOf(FWindow.Skin).CaptionFont());
    SIZE extent = {};
    GetTextExtentPoint32W(screen.Get(), text.c_str(), int(text.size()), &extent);
    Size window = FWindow.WindowSize();
    DialogWidening widening =
        ::WidenDialogForCaption(window.Width, extent.cx, FWindow.Skin.Title, GetSystemMetrics(SM_CXSCREEN));
    if (widening.Width <= window.Width) return;
    SetWindowPos(handle, nullptr, 0, 0, widening.Width, window.Height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (HWND child = GetWindow(handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT bounds;
        GetWindowRect(child, &bounds);
        MapWindowPoints(HWND_DESKTOP, handle, reinterpret_cast<POINT*>(&bounds), 2);
        SetWindowPos(child, nullptr, bounds.left + widening.ChildShift, bounds.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// The controls of the window get their skinners; a form's popup menus take
// the skin's item drawing.
void TSkinFrame::WalkControls() {
    TControlWalk walk({.Skin = FWindow.Skin,
                       .Form = FForm,
                       .Skinners = FSkinners,
                       .MakeSkinner = [this](SkinnerKind kind, TWinControl* control, HWND window) {
                           return CreateSkinner(kind, *this, {window, control});
                       }});
    if (!FForm) {
        walk.WalkWindow(FWindow.Handle);
        return;
    }
    walk.WalkForm(*FForm);
    TSkinData& skin = FWindow.Skin;
    if (!skin.SkinControls.test(scPopupMenu)) return;
    for (TPopupMenu* menu : FForm->PopupMenus())
        if (menu->Tag != skin.DisableTag) AttachSkinHandlers(*menu, skin, MenuKind::PopupMenu);
}

void TSkinFrame::AddSkinner(std::unique_ptr<TSkinControl> skinner) { FSkinners.Add(std::move(skinner)); }

void TSkinFrame::Restore() {
    HWND window = FWindow.Handle;
    // The client area the native frame is to hold, taken while the skin's frame is on.
    Size client = ClientSize(window);
    FInput.Detach();
    bool alive = IsWindow(window) && FState != Destroying;
    Detach();
    if (FForm) {
        if (FForm->Menu()) DetachSkinHandlers(*FForm->Menu());
        for (TPopupMenu* menu : FForm->PopupMenus()) DetachSkinHandlers(*menu);
        FForm->SetColor(FFormColor);
    }
    FSkinners.Clear();
    FButtons.Place({});
    FWindow.MenuBar = nullptr;
    FMenuBar.reset();
    if (!alive) return;
    if (FSystemMenuStyleRemoved) SetWindowLongW(window, GWL_STYLE, GetWindowLongW(window, GWL_STYLE) | WS_SYSMENU);
    if (FNativeMenu) SetMenu(window, FNativeMenu);
    SetWindowRgn(window, nullptr, TRUE);
    if (!FWindow.Flags.Child && FWindow.Drawn) {
        // The native frame around the same client area.
        SetWindowPos(window, nullptr, 0, 0, client.Width + FNativeExtents.cx, client.Height + FNativeExtents.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TSkinFrame::Refresh() {
    TSkinData& skin = FWindow.Skin;
    SkinGdiOf(skin).Refresh(skin);
    if (FForm) FForm->SetColor(ToColorRef(skin.Colours.ButtonFace));
    FWindow.Metrics = ComputeFrameMetrics(skin, FWindow.Flags.Border, FMenuBar ? FWindow.Metrics.MenuBar : 0);
    // The buttons may have changed with the skin; the next painting places them.
    FButtons.Tracker().Cancel();
    FButtons.Place({});
    SetWindowPos(FWindow.Handle, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    FPainting.UpdateRegion(true);
    FPainting.PaintFrame();
}

void TSkinFrame::WindowDestroyed() {
    FInput.StopCaptionTimer();
    SetState(Dead);
}

void TSkinFrame::ReadWindowState() {
    HWND window = FWindow.Handle;
    WINDOWPLACEMENT placement = {sizeof placement};
    GetWindowPlacement(window, &placement);
    FWindow.State = IsIconic(window)   ? WindowState::Minimised
                    : IsZoomed(window) ? WindowState::Maximised
                                       : WindowStateFromShowCommand(int(placement.showCmd));
}

// --- messages ---

// The system draws no caption buttons of its own on a window without a
// system menu; the style comes back when the window is restored.
void TSkinFrame::HideSystemMenuStyle() {
    HWND window = FWindow.Handle;
    LONG style = GetWindowLongW(window, GWL_STYLE);
    if (!(style & WS_SYSMENU)) return;
    SetWindowLongW(window, GWL_STYLE, style & ~WS_SYSMENU);
    FSystemMenuStyleRemoved = true;
}

// The system places a maximised window so that its native borders lie off
// the screen; the skin's borders are to show, on the work area.
void TSkinFrame::KeepMaximisedOnWorkArea(MINMAXINFO& limits) const {
    MONITORINFO monitor = {sizeof monitor};
    if (!GetMonitorInfoW(MonitorFromWindow(FWindow.Handle, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    const RECT& work = monitor.rcWork;
    limits.ptMaxPosition = {work.left - monitor.rcMonitor.left, work.top - monitor.rcMonitor.top};
    limits.ptMaxSize = {work.right - work.left, work.bottom - work.top};
}

LRESULT TSkinFrame::BareWindowColor(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = CallDefault(message, wParam, lParam);
    if (FForm) return result;
    return ColourOnButtonFace(FWindow.Skin, message, reinterpret_cast<HDC>(wParam), result);
}

bool TSkinFrame::SkinMenuItem(UINT message, LPARAM lParam) {
    if (message == WM_MEASUREITEM) {
        auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        return measure.CtlType == ODT_MENU && MeasureNativeMenuItem(FWindow.Skin, measure);
    }
    auto& draw = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    return draw.CtlType == ODT_MENU && DrawNativeMenuItem(FWindow.Skin, draw);
}

bool TSkinFrame::PrivateMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
    case SkinMessage::Query:
        result = 1;
        return true;
    case SkinMessage::IsSkinned:
        result = lParam == SkinMessage::Signature ? SkinMessage::Signature : 1;
        return true;
    case SkinMessage::FinishSkinning:
        if (lParam == SkinMessage::FinishMarker) Finish();
        return true;
    case SkinMessage::RepaintFrame:
        FPainting.PaintFrame();
        return true;
    case SkinMessage::PaintFrameInto:
        if (lParam != SkinMessage::Signature) return false;
        FPainting.PaintInto(reinterpret_cast<HDC>(wParam));
        result = SkinMessage::Signature;
        return true;
    case SkinMessage::ControlAttention:
        return true;
    case SkinMessage::OpenMenuBarItem:
        if (FMenuBar) FMenuBar->OpenAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return true;
    }
    return false;
}

LRESULT TSkinFrame::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (PrivateMessage(message, wParam, lParam, result)) return result;
    if (FState == Attaching || FState == Dead) {
        if (message == WM_NCPAINT) return 0;
        if (message == WM_NCACTIVATE) {
            FWindow.Active = wParam != FALSE;
            return TRUE;
        }
    }
    if (FInput.Mouse(message, wParam, lParam, result)) return result;
    switch (message) {
    case WM_NCCALCSIZE:
        return FPainting.CalcSize(wParam, lParam);
    case WM_NCHITTEST:
        return FInput.HitTest(CallDefault(message, wParam, lParam), lParam);
    case WM_NCPAINT:
        if (!FWindow.DrawsFrame()) break;
        HideSystemMenuStyle();
        FPainting.PaintFrame();
        return 0;
    case WM_NCACTIVATE:
        if (!FWindow.DrawsFrame()) break;
        FInput.SetActive(wParam != FALSE);
        FPainting.PaintFrame();
        return TRUE;
    case WM_ACTIVATE:
        FInput.SetActive(LOWORD(wParam) != WA_INACTIVE);
        break;
    case WM_NCUAHDRAWCAPTION:
        return 0;
    case WM_SIZE:
        result = CallDefault(message, wParam, lParam);
        FWindow.State = WindowStateFromSizeKind(int(wParam));
        if (FWindow.State != WindowState::Minimised) FPainting.UpdateRegion(false);
        return result;
    case WM_WINDOWPOSCHANGED:
        ReadWindowState();
        break;
    case WM_GETMINMAXINFO:
        result = CallDefault(message, wParam, lParam);
        ReadWindowState();
        if (!FWindow.Flags.Child) KeepMaximisedOnWorkArea(*reinterpret_cast<MINMAXINFO*>(lParam));
        return result;
    case WM_SETTEXT:
    case WM_SETICON:
        result = FPainting.WithoutNativeCaption([&] { return CallDefault(message, wParam, lParam); });
        if (message == WM_SETICON) FPainting.TakeSmallIcon();
        if (IsWindowVisible(FWindow.Handle)) FPainting.PaintCaption();
        return result;
    case WM_ERASEBKGND:
        if (FForm) break;
        {
            RECT client;
            GetClientRect(FWindow.Handle, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, SkinGdiOf(FWindow.Skin).ButtonFaceBrush());
        }
        return 1;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        return BareWindowColor(message, wParam, lParam);
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
        if (SkinMenuItem(message, lParam)) return TRUE;
        break;
    case WM_COMMAND:
        if (FInput.Command(wParam, lParam)) return 0;
        break;
    case WM_SYSCOMMAND:
        if (FInput.SysCommand(wParam, lParam)) return 0;
        break;
    case WM_INITMENUPOPUP:
        FInput.InitMenuPopup(reinterpret_cast<HMENU>(wParam), HIWORD(lParam) != 0);
        break;
    case WM_MENUSELECT:
        if (FMenuBar) FMenuBar->MenuSelected(HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        break;
    case WM_MENUCHAR:
        // Owner-drawn items show no text to the system: the skin finds the
        // item whose accelerator was typed.
        if (LRESULT chosen = ChooseByAccelerator(reinterpret_cast<HMENU>(lParam), LOWORD(wParam))) return chosen;
        break;
    case WM_NCDESTROY:
        SetState(Destroying);
        FInput.StopCaptionTimer();
        break;
    }
    return CallDefault(message, wParam, lParam);
}
