#include "skin/frame/SkinFrame.h"

#include <windowsx.h>

#include "base/win32/Win32Text.h"
#include "gui/Form.h"
#include "gui/Menus.h"
#include "skin/control/SkinControl.h"
#include "skin/data/SkinGdi.h"
#include "skin/draw/ElementDrawing.h"
#include "skin/draw/Offscreen.h"
#include "skin/frame/CaptionButton.h"
#include "skin/frame/RegionRuns.h"
#include "skin/frame/WindowRegion.h"
#include "skin/manager/ControlWalk.h"
#include "skin/manager/SkinManager.h"
#include "skin/manager/SkinMessages.h"
#include "skin/manager/SkinnerFactory.h"
#include "skin/menu/SkinMenuBar.h"
#include "skin/menu/SkinMenuItems.h"
#include "skin/menu/SystemMenu.h"

namespace {
const UINT kCaptionTimerInterval = 250;
const UINT WM_NCUAHDRAWCAPTION = 0xAE;

Size WindowSize(HWND window) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

Size ClientSize(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

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

// The window text with the two spaces the caption leaves after it.
std::wstring CaptionText(HWND window) {
    int length = GetWindowTextLengthW(window);
    std::wstring text(length + 1, L'\0');
    text.resize(GetWindowTextW(window, text.data(), length + 1));
    return text + L"  ";
}

void DrawPicture(HDC dc, const PixelBuffer& picture, Rect at) {
    if (at.Empty()) return;
    TOffscreen part(at.Width, at.Height);
    part.Draw(picture, 0, 0);
    part.CopyTo(dc, at.Left, at.Top);
}
}  // namespace

TSkinFrame::TSkinFrame(TSkinManager& manager, TSkinData& skin, TForm* form, std::string className)
    : FManager(manager), FSkin(skin), FForm(form), FClassName(std::move(className)),
      FCaptionTimer(kCaptionTimerInterval, [this](TObject*) { CaptionTimerTick(); }) {}

TSkinFrame::~TSkinFrame() {
    if (Attached()) Restore();
}

// --- attach, finish, restore ---

void TSkinFrame::Attach(HWND window) {
    FWindow = window;
    if (FForm) CallEvent(FSkin.OnBeforeSkinForm, &FSkin, static_cast<void*>(window), FClassName);
    FManager.Start();
    FDrawn = FSkin.SkinControls.test(scMainMenu);
    FFlags = ReadFrameFlags({DWORD(GetWindowLongW(window, GWL_STYLE)), DWORD(GetWindowLongW(window, GWL_EXSTYLE)),
                             FClassName, FForm != nullptr});
    Size outer = WindowSize(FWindow), client = ClientSize(FWindow);
    FNativeExtents = {outer.Width - client.Width, outer.Height - client.Height};
    ReadWindowState();
    FActive = GetActiveWindow() == FWindow;
    if (!TSubclass::Attach(window)) {
        FState = Dead;
        return;
    }
    if (FForm) {
        FFormColor = FForm->Color();
        FForm->SetColor(ToColorRef(FSkin.Colours.ButtonFace));
        if (FSkin.SkinControls.test(scMenuItem) && FForm->Menu()) AttachSkinHandlers(*FForm->Menu(), FSkin, MenuKind::MainMenuSubmenu);
    }
    if (!FDrawn) return;
    HMENU menu = GetMenu(FWindow);
    int menuBarHeight = 0;
    if (menu && !FFlags.Child) {
        FNativeMenu = menu;
        menuBarHeight = GetSystemMetrics(SM_CYMENU);
        FMenuBar = std::make_unique<TSkinMenuBar>(*this, menu, FForm ? FForm->Menu() : nullptr);
        // The bar is ours now; the native one would take room above the client area.
        SetMenu(FWindow, nullptr);
    }
    FMetrics = ComputeFrameMetrics(FSkin, FFlags.Border, menuBarHeight);
    BuildCaptionButtons();
}

void TSkinFrame::Finish() {
    if (FState != Attaching) return;
    TakeSmallIcon();
    WalkControls();
    if (FDrawn && !FFlags.Child && FFlags.Border != BorderKind::NoCaption &&
        FWindowState != WindowState::Minimised) {
        FState = Resizing;
        ResizeToKeepClientArea();
        if (FFlags.Border == BorderKind::Dialog) WidenDialogForCaption();
    }
    SendMessageW(FWindow, SkinMessage::SkinningComplete, 0, SkinMessage::Signature);
    if (FForm) CallEvent(FSkin.OnAfterSkinForm, &FSkin, static_cast<void*>(FWindow), FClassName);
    FState = Skinned;
    UpdateRegion(true);
    SetActive(GetActiveWindow() == FWindow);
}

// The client area the window has with its native frame, whatever happened
// to the window since it was attached (a dialog lays itself out late).
void TSkinFrame::ResizeToKeepClientArea() {
    Size window = WindowSize(FWindow);
    Size client = {std::max(window.Width - int(FNativeExtents.cx), 0), std::max(window.Height - int(FNativeExtents.cy), 0)};
    Size size = SkinnedWindowSize(client, FMetrics);
    SetWindowPos(FWindow, nullptr, 0, 0, size.Width, size.Height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TSkinFrame::WidenDialogForCaption() {
    std::wstring text = CaptionText(FWindow);
    TWindowDC screen(nullptr);
    TSelection font(screen.Get(), SkinGdiOf(FSkin).CaptionFont());
    SIZE extent = {};
    GetTextExtentPoint32W(screen.Get(), text.c_str(), int(text.size()), &extent);
    Size window = WindowSize(FWindow);
    DialogWidening widening =
        ::WidenDialogForCaption(window.Width, extent.cx, FSkin.Title, GetSystemMetrics(SM_CXSCREEN));
    if (widening.Width <= window.Width) return;
    SetWindowPos(FWindow, nullptr, 0, 0, widening.Width, window.Height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (HWND child = GetWindow(FWindow, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT bounds;
        GetWindowRect(child, &bounds);
        MapWindowPoints(HWND_DESKTOP, FWindow, reinterpret_cast<POINT*>(&bounds), 2);
        SetWindowPos(child, nullptr, bounds.left + widening.ChildShift, bounds.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void TSkinFrame::TakeSmallIcon() {
    HICON icon = reinterpret_cast<HICON>(SendMessageW(FWindow, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(FWindow, GCLP_HICONSM));
    if (!icon) {
        FSmallIcon = SkinGdiOf(FSkin).ApplicationIcon();
        return;
    }
    int width = GetSystemMetrics(SM_CXSMICON), height = GetSystemMetrics(SM_CYSMICON);
    TOffscreen picture(width, height);
    picture.Fill(RGB(255, 0, 255));
    DrawIconEx(picture.DC(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    FSmallIcon = picture.Pixels();
}

// The controls of the window get their skinners; a form's popup menus take
// the skin's item drawing.
void TSkinFrame::WalkControls() {
    TControlWalk walk({.Skin = FSkin,
                       .Form = FForm,
                       .Skinners = FSkinners,
                       .MakeSkinner = [this](SkinnerKind kind, TWinControl* control, HWND window) {
                           return CreateSkinner(kind, *this, control, window);
                       }});
    if (!FForm) {
        walk.WalkWindow(FWindow);
        return;
    }
    walk.WalkForm(*FForm);
    if (!FSkin.SkinControls.test(scPopupMenu)) return;
    for (TPopupMenu* menu : FForm->PopupMenus())
        if (menu->Tag != FSkin.DisableTag) AttachSkinHandlers(*menu, FSkin, MenuKind::PopupMenu);
}

void TSkinFrame::AddSkinner(std::unique_ptr<TSkinControl> skinner) { FSkinners.Add(std::move(skinner)); }

void TSkinFrame::Restore() {
    // The client area the native frame is to hold, taken while the skin's frame is on.
    Size client = ClientSize(FWindow);
    FSystemMenu.reset();
    FCaptionTimer.SetEnabled(false);
    bool alive = IsWindow(FWindow) && FState != Destroying;
    Detach();
    if (FForm) {
        if (FForm->Menu()) DetachSkinHandlers(*FForm->Menu());
        for (TPopupMenu* menu : FForm->PopupMenus()) DetachSkinHandlers(*menu);
        FForm->SetColor(FFormColor);
    }
    FSkinners.Clear();
    FCaptionButtons.clear();
    FMenuBar.reset();
    if (!alive) return;
    if (FSystemMenuStyleRemoved) SetWindowLongW(FWindow, GWL_STYLE, GetWindowLongW(FWindow, GWL_STYLE) | WS_SYSMENU);
    if (FNativeMenu) SetMenu(FWindow, FNativeMenu);
    SetWindowRgn(FWindow, nullptr, TRUE);
    if (!FFlags.Child && FDrawn) {
        // The native frame around the same client area.
        SetWindowPos(FWindow, nullptr, 0, 0, client.Width + FNativeExtents.cx, client.Height + FNativeExtents.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    RedrawWindow(FWindow, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TSkinFrame::Refresh() {
    SkinGdiOf(FSkin).Refresh(FSkin);
    if (FForm) FForm->SetColor(ToColorRef(FSkin.Colours.ButtonFace));
    FMetrics = ComputeFrameMetrics(FSkin, FFlags.Border, FMenuBar ? FMetrics.MenuBar : 0);
    BuildCaptionButtons();
    SetWindowPos(FWindow, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    UpdateRegion(true);
    PaintFrame();
}

void TSkinFrame::WindowDestroyed() {
    FCaptionTimer.SetEnabled(false);
    FState = Dead;
}

// --- caption buttons and state ---

void TSkinFrame::BuildCaptionButtons() {
    FCaptionButtons.clear();
    if (!FDrawn || FFlags.Border == BorderKind::NoCaption) return;
    for (const TSkinSysButtonElement& element : FSkin.CaptionButtons)
        FCaptionButtons.push_back(std::make_unique<TCaptionButton>(*this, element));
}

void TSkinFrame::ReadWindowState() {
    WINDOWPLACEMENT placement = {sizeof placement};
    GetWindowPlacement(FWindow, &placement);
    FWindowState = IsIconic(FWindow) ? WindowState::Minimised
                   : IsZoomed(FWindow) ? WindowState::Maximised
                                       : WindowStateFromShowCommand(int(placement.showCmd));
}

CaptionButtonWindow TSkinFrame::ButtonWindow() const {
    CaptionButtonWindow window{FFlags, FWindowState, FActive};
    HWND handle = FWindow;
    window.AskWindow = [handle](int code, int action) {
        return int(SendMessageW(handle, SkinMessage::AskVisibility, WPARAM(code), LPARAM(action)));
    };
    return window;
}

CaptionLayout TSkinFrame::CurrentCaptionLayout(HDC measuring) const {
    std::wstring text = CaptionText(FWindow);
    TSelection font(measuring, SkinGdiOf(FSkin).CaptionFont());
    SIZE extent = {};
    GetTextExtentPoint32W(measuring, text.c_str(), int(text.size()), &extent);
    return LayoutCaption(FSkin, {WindowSize(FWindow), FMetrics, int(extent.cx), int(extent.cy)}, ButtonWindow());
}

void TSkinFrame::SetActive(bool active) {
    FActive = active;
    FCaptionTimer.SetEnabled(active && FState == Skinned);
    if (!active) FCurrent.Leave();
}

void TSkinFrame::CaptionTimerTick() {
    if (FManager.MenuTracking || !FCurrent.Get()) return;
    POINT cursor;
    GetCursorPos(&cursor);
    RECT bounds;
    GetWindowRect(FWindow, &bounds);
    FCurrent.LeaveUnlessAt({int(cursor.x - bounds.left), int(cursor.y - bounds.top)});
}

// --- painting ---

void TSkinFrame::PaintFrame() {
    TWindowDC dc(FWindow, TWindowDC::Whole);
    PaintInto(dc.Get());
}

void TSkinFrame::PaintCaption() {
    if (FState != Skinned || !FDrawn || FFlags.Border == BorderKind::NoCaption) return;
    TWindowDC dc(FWindow, TWindowDC::Whole);
    PaintCaptionInto(dc.Get(), LayoutFrameParts(WindowSize(FWindow), FMetrics));
}

void TSkinFrame::PaintInto(HDC windowDC) {
    if (FState != Skinned || !FDrawn || FFlags.Border == BorderKind::NoCaption) return;
    FrameParts parts = LayoutFrameParts(WindowSize(FWindow), FMetrics);
    PaintBorders(windowDC, parts);
    PaintCaptionInto(windowDC, parts);
    PaintMenuBar(windowDC, parts);
}

void TSkinFrame::PaintBorders(HDC windowDC, const FrameParts& parts) {
    struct Side {
        const TSkinFrameBorder& border;
        Rect area;
    };
    for (const Side& side : {Side{FSkin.Left, parts.Left}, Side{FSkin.Right, parts.Right}, Side{FSkin.Bottom, parts.Bottom}}) {
        int state = BorderState(FActive, side.border.FrameCount);
        DrawPicture(windowDC, ComposeElement(side.border.Picture(), state, side.area.Width, side.area.Height), side.area);
    }
}

void TSkinFrame::PaintCaptionInto(HDC windowDC, const FrameParts& parts) {
    const Rect& area = parts.Caption;
    if (area.Empty()) return;
    TOffscreen caption(area.Width, area.Height);
    if (FWindowState == WindowState::Minimised) {
        caption.Fill(ToColorRef(FSkin.Colours.ButtonFace));
    } else {
        int state = BorderState(FActive, FSkin.Top.FrameCount);
        caption.Draw(ComposeElement(FSkin.Top.Picture(), state, area.Width, area.Height), 0, 0);
    }
    CaptionLayout layout = CurrentCaptionLayout(caption.DC());
    DrawCaptionText(caption, layout, area.Left);
    for (size_t i = 0; i < FCaptionButtons.size() && i < layout.Buttons.size(); ++i) {
        TCaptionButton& button = *FCaptionButtons[i];
        button.Bounds = layout.Buttons[i].Bounds;
        button.Visible = layout.Buttons[i].Visible;
        button.Enabled = layout.Buttons[i].Enabled;
        button.Draw(caption, area.Left);
    }
    caption.CopyTo(windowDC, area.Left, area.Top);
}

void TSkinFrame::DrawCaptionText(TOffscreen& caption, const CaptionLayout& layout, int left) {
    const TSkinTitleElement& title = FSkin.Title;
    if (!title.Image.Empty() && !layout.Text.TextBackRect.Empty()) {
        Rect back = layout.Text.TextBackRect;
        ElementPicture picture = title.Picture();
        picture.LeftWidth = title.TextBackLeft;
        picture.RightWidth = title.TextBackRight;
        caption.Draw(ComposeElement(picture, FActive ? 1 : 2, back.Width, back.Height), back.Left - left, back.Top, true);
    }
    TColor colour = FActive ? title.ActiveTextColour : title.InactiveTextColour;
    if (colour == kNoColor) colour = FActive ? FSkin.Colours.TitleTextActive : FSkin.Colours.TitleTextNoActive;
    HDC dc = caption.DC();
    TSelection font(dc, SkinGdiOf(FSkin).CaptionFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(colour));
    std::wstring text = CaptionText(FWindow);
    Rect at = layout.Text.TextRect;
    RECT box = {at.Left - left, at.Top, at.Left - left + at.Width, at.Top + at.Height};
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
    if (FFlags.RightToLeft) format |= DT_RIGHT | DT_RTLREADING;
    DrawTextW(dc, text.c_str(), int(text.size()), &box, format);
}

void TSkinFrame::PaintMenuBar(HDC windowDC, const FrameParts& parts) {
    if (parts.MenuBar.Empty()) return;
    if (FMenuBar) {
        FMenuBar->Paint(windowDC, parts.MenuBar, FActive);
        return;
    }
    RECT area = {parts.MenuBar.Left, parts.MenuBar.Top, parts.MenuBar.Left + parts.MenuBar.Width,
                 parts.MenuBar.Top + parts.MenuBar.Height};
    FillRect(windowDC, &area, SkinGdiOf(FSkin).ButtonFaceBrush());
}

void TSkinFrame::UpdateRegion(bool force) {
    if (FState != Skinned || !FDrawn || FFlags.Border == BorderKind::NoCaption) return;
    Size size = WindowSize(FWindow);
    if (!force && size.Width == FRegionSize.cx && size.Height == FRegionSize.cy) return;
    FRegionSize = {size.Width, size.Height};
    SetWindowRgn(FWindow, SkinnedWindowRegion(FSkin, FMetrics, size).Release(), TRUE);
}

// --- the non-client mouse ---

std::vector<TNCObject*> TSkinFrame::NonClientObjects() const {
    std::vector<TNCObject*> objects;
    for (const auto& button : FCaptionButtons) objects.push_back(button.get());
    if (FMenuBar)
        for (TNCObject* item : FMenuBar->Objects()) objects.push_back(item);
    return objects;
}

POINT TSkinFrame::WindowPoint(LPARAM screenPoint) const {
    RECT bounds;
    GetWindowRect(FWindow, &bounds);
    return {GET_X_LPARAM(screenPoint) - bounds.left, GET_Y_LPARAM(screenPoint) - bounds.top};
}

bool TSkinFrame::NonClientMouse(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    POINT at = WindowPoint(lParam);
    TNCObject* object = NCObjectAt(NonClientObjects(), {int(at.x), int(at.y)});
    auto* button = dynamic_cast<TCaptionButton*>(object);
    result = 0;
    switch (message) {
    case WM_NCMOUSEMOVE:
        if (!FActive) return false;
        if (object)
            object->MouseMove();
        else
            FCurrent.Leave();
        return false;
    case WM_NCLBUTTONDOWN:
        if (object) {
            if (!FActive) SetForegroundWindow(FWindow);
            object->MouseDown();
            if (auto* item = dynamic_cast<TMenuBtn*>(object)) FMenuBar->Open(*item);
            return true;
        }
        if (FActive && FWindowState == WindowState::Maximised && wParam == HTCAPTION)
            result = CallDefault(message, HTMENU, lParam);
        return FActive && FWindowState == WindowState::Maximised && wParam == HTCAPTION;
    case WM_NCLBUTTONUP:
        if (button && button == FCurrent.Get()) {
            bool pressed = button->CurrentState == TNCObject::Pressed;
            button->MouseUp();
            if (pressed) RunCaptionButton(*button);
            return true;
        }
        return object != nullptr;
    case WM_NCLBUTTONDBLCLK:
        if (button && IsSystemIconAction(button->Element().Action)) {
            PostMessageW(FWindow, WM_CLOSE, 0, 0);
            return true;
        }
        if (object) return true;
        if (wParam != HTCAPTION) return false;
        if (FWindowState != WindowState::Normal)
            PostMessageW(FWindow, WM_SYSCOMMAND, SC_RESTORE, 0);
        else if (FFlags.MaximiseBox)
            PostMessageW(FWindow, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        else
            return false;
        return true;
    case WM_NCRBUTTONDOWN:
        if (wParam != HTCAPTION) return false;
        OpenSystemMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return true;
    }
    return false;
}

void TSkinFrame::RunCaptionButton(TCaptionButton& button) {
    bool closeItem = GetMenuState(GetSystemMenu(FWindow, FALSE), SC_CLOSE, MF_BYCOMMAND) != UINT(-1);
    CaptionCommand command = CaptionButtonClick(button.Element(), button.Enabled, FWindowState, closeItem);
    switch (command.Kind) {
    case CaptionCommandKind::Close:
        FCaptionTimer.SetEnabled(false);
        PostMessageW(FWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case CaptionCommandKind::Maximise:
        PostMessageW(FWindow, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        break;
    case CaptionCommandKind::Minimise:
        PostMessageW(FWindow, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        break;
    case CaptionCommandKind::Restore:
        PostMessageW(FWindow, WM_SYSCOMMAND, SC_RESTORE, 0);
        break;
    case CaptionCommandKind::SystemMenu: {
        POINT at = {button.Bounds.Left, button.Bounds.Top + button.Bounds.Height};
        RECT bounds;
        GetWindowRect(FWindow, &bounds);
        OpenSystemMenu({bounds.left + at.x, bounds.top + at.y});
        break;
    }
    case CaptionCommandKind::PostAction:
        PostMessageW(FWindow, SkinMessage::CaptionButtonAction, WPARAM(command.Action), 0);
        break;
    case CaptionCommandKind::Nothing:
        break;
    }
}

void TSkinFrame::OpenSystemMenu(POINT screen) {
    // A second opening within the double-click time, from a caption button,
    // is a double click on the system icon: it closes the window.
    DWORD now = GetTickCount();
    bool doubleClick = FCurrent.Get() && now - FLastSystemMenuOpening <= GetDoubleClickTime();
    FLastSystemMenuOpening = now;
    if (doubleClick) {
        PostMessageW(FWindow, WM_CLOSE, 0, 0);
        return;
    }
    FManager.MenuKind = TMenuKind::System;
    FSystemMenu = BuildSkinnedSystemMenu(*this);
    FSystemMenu->Popup(screen.x, screen.y, FWindow);
    FCurrent.Leave();
}

// --- messages ---

// The system paints its own caption when a window's text or icon changes;
// without the caption style for that moment it leaves the frame to the skin.
LRESULT TSkinFrame::WithoutNativeCaption(const std::function<LRESULT()>& change) {
    LONG style = GetWindowLongW(FWindow, GWL_STYLE);
    bool hide = FDrawn && FFlags.Border != BorderKind::NoCaption && (style & WS_CAPTION) == WS_CAPTION;
    if (hide) SetWindowLongW(FWindow, GWL_STYLE, style & ~WS_DLGFRAME);
    LRESULT result = change();
    if (hide) SetWindowLongW(FWindow, GWL_STYLE, GetWindowLongW(FWindow, GWL_STYLE) | WS_DLGFRAME);
    return result;
}

LRESULT TSkinFrame::CalcSize(WPARAM wParam, LPARAM lParam) {
    RECT* proposed = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
    RECT window = *proposed;
    CallDefault(WM_NCCALCSIZE, wParam, lParam);
    if (!FDrawn || FFlags.Border == BorderKind::NoCaption) return wParam ? WVR_REDRAW : 0;
    Rect client = SkinnedClientRect({int(window.left), int(window.top), int(window.right - window.left),
                                     int(window.bottom - window.top)},
                                    FMetrics);
    RECT skinned = {client.Left, client.Top, client.Left + client.Width, client.Top + client.Height};
    *proposed = skinned;
    if (!wParam) return 0;
    auto& params = *reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
    params.rgrc[1] = params.rgrc[2] = skinned;
    return WVR_REDRAW;
}

LRESULT TSkinFrame::HitTest(WPARAM wParam, LPARAM lParam) {
    LRESULT native = CallDefault(WM_NCHITTEST, wParam, lParam);
    if (!FDrawn || FFlags.Border == BorderKind::NoCaption) return native;
    POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ScreenToClient(FWindow, &at);
    return SkinnedHitTest(int(native), {int(at.x), int(at.y)}, FMetrics);
}

LRESULT TSkinFrame::BareWindowColor(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = CallDefault(message, wParam, lParam);
    if (FForm) return result;
    return ColourOnButtonFace(FSkin, message, reinterpret_cast<HDC>(wParam), result);
}

bool TSkinFrame::HandleSysCommand(WPARAM wParam, LPARAM lParam) {
    switch (wParam & 0xFFF0) {
    case SC_KEYMENU:
        if (lParam == ' ') {
            RECT bounds;
            GetWindowRect(FWindow, &bounds);
            OpenSystemMenu({bounds.left + FMetrics.Left, bounds.top + FMetrics.Caption});
            return true;
        }
        return FMenuBar && FMenuBar->OpenByKey(wchar_t(lParam));
    case SC_MINIMIZE:
        FWindowState = WindowState::Minimised;
        break;
    case SC_MAXIMIZE:
        FWindowState = WindowState::Maximised;
        break;
    case SC_RESTORE:
        FWindowState = WindowState::Normal;
        break;
    }
    return false;
}

bool TSkinFrame::SkinMenuItem(UINT message, LPARAM lParam) {
    if (message == WM_MEASUREITEM) {
        auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        return measure.CtlType == ODT_MENU && MeasureNativeMenuItem(FSkin, measure);
    }
    auto& draw = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    return draw.CtlType == ODT_MENU && DrawNativeMenuItem(FSkin, draw);
}

LRESULT TSkinFrame::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case SkinMessage::Query:
        return 1;
    case SkinMessage::IsSkinned:
        return lParam == SkinMessage::Signature ? SkinMessage::Signature : 1;
    case SkinMessage::FinishSkinning:
        if (lParam == SkinMessage::FinishMarker) Finish();
        return 0;
    case SkinMessage::RepaintFrame:
        PaintFrame();
        return 0;
    case SkinMessage::PaintFrameInto:
        if (lParam != SkinMessage::Signature) break;
        PaintInto(reinterpret_cast<HDC>(wParam));
        return SkinMessage::Signature;
    case SkinMessage::ControlAttention:
        return 0;
    case SkinMessage::OpenMenuBarItem:
        if (FMenuBar) FMenuBar->OpenAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    }
    if (FState == Attaching || FState == Dead) {
        if (message == WM_NCPAINT) return 0;
        if (message == WM_NCACTIVATE) {
            FActive = wParam != FALSE;
            return TRUE;
        }
    }
    LRESULT result = 0;
    switch (message) {
    case WM_NCCALCSIZE:
        return CalcSize(wParam, lParam);
    case WM_NCHITTEST:
        return HitTest(wParam, lParam);
    case WM_NCPAINT:
        if (!FDrawn || FFlags.Border == BorderKind::NoCaption) break;
        // The system draws no caption buttons of its own on a window without a system menu.
        if (GetWindowLongW(FWindow, GWL_STYLE) & WS_SYSMENU) {
            SetWindowLongW(FWindow, GWL_STYLE, GetWindowLongW(FWindow, GWL_STYLE) & ~WS_SYSMENU);
            FSystemMenuStyleRemoved = true;
        }
        PaintFrame();
        return 0;
    case WM_NCACTIVATE:
        if (!FDrawn || FFlags.Border == BorderKind::NoCaption) break;
        SetActive(wParam != FALSE);
        PaintFrame();
        return TRUE;
    case WM_ACTIVATE:
        SetActive(LOWORD(wParam) != WA_INACTIVE);
        break;
    case WM_NCUAHDRAWCAPTION:
        return 0;
    case WM_SIZE:
        result = CallDefault(message, wParam, lParam);
        FWindowState = WindowStateFromSizeKind(int(wParam));
        if (FWindowState != WindowState::Minimised) UpdateRegion(false);
        return result;
    case WM_WINDOWPOSCHANGED:
        ReadWindowState();
        break;
    case WM_GETMINMAXINFO:
        result = CallDefault(message, wParam, lParam);
        ReadWindowState();
        return result;
    case WM_SETTEXT:
    case WM_SETICON:
        result = WithoutNativeCaption([&] { return CallDefault(message, wParam, lParam); });
        if (message == WM_SETICON) TakeSmallIcon();
        if (IsWindowVisible(FWindow)) PaintCaption();
        return result;
    case WM_ERASEBKGND:
        if (FForm) break;
        {
            RECT client;
            GetClientRect(FWindow, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, SkinGdiOf(FSkin).ButtonFaceBrush());
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
        if (lParam == 0 && IsSystemCommand(wParam)) {
            PostMessageW(FWindow, WM_SYSCOMMAND, wParam & 0xFFF0, 0);
            return 0;
        }
        break;
    case WM_SYSCOMMAND:
        if (HandleSysCommand(wParam, lParam)) return 0;
        break;
    case WM_INITMENUPOPUP: {
        bool systemMenu = HIWORD(lParam) || (FSystemMenu && HMENU(wParam) == FSystemMenu->Handle());
        FManager.MenuKind = systemMenu ? TMenuKind::System : TMenuKind::MenuBar;
        break;
    }
    case WM_MENUSELECT:
        if (FMenuBar) FMenuBar->MenuSelected(HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        break;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
        if (FDrawn && NonClientMouse(message, wParam, lParam, result)) return result;
        break;
    case WM_NCDESTROY:
        FState = Destroying;
        FCaptionTimer.SetEnabled(false);
        break;
    }
    return CallDefault(message, wParam, lParam);
}
