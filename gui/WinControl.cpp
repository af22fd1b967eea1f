#include "gui/WinControl.h"

#include <windowsx.h>

#include <cstdio>
#include <map>

#include "base/Exception.h"
#include "base/win32/Handles.h"
#include "base/win32/Win32Text.h"
#include "gui/ControlMessages.h"
#include "gui/HintWindow.h"
#include "gui/ParentBackground.h"
#include "gui/Menus.h"
#include "gui/Subclass.h"

namespace {
// Control ids stay clear of the ids that dialog navigation sends (IDOK...)
// and of menu command ids.
const UINT kFirstControlId = 0x1000;

TShiftState ShiftFromMouseKeys(WPARAM keys) {
    return (keys & MK_SHIFT ? ssShift : 0) | (keys & MK_CONTROL ? ssCtrl : 0) |
           (GetKeyState(VK_MENU) < 0 ? ssAlt : 0) | (keys & MK_LBUTTON ? ssLeft : 0) |
           (keys & MK_RBUTTON ? ssRight : 0) | (keys & MK_MBUTTON ? ssMiddle : 0);
}

std::map<std::wstring, WNDPROC>& BaseProcedures() {
    static std::map<std::wstring, WNDPROC> procedures;
    return procedures;
}

// The global atom that names the control property; deleted again at exit.
class ControlAtom {
public:
    ControlAtom() {
        wchar_t name[32];
        swprintf(name, 32, L"ControlOfs%.8X%.8X", unsigned(reinterpret_cast<UINT_PTR>(GetModuleHandleW(nullptr))),
                 unsigned(GetCurrentThreadId()));
        FName = name;
        FAtom = GlobalAddAtomW(name);
    }
    ~ControlAtom() {
        if (FAtom) GlobalDeleteAtom(FAtom);
    }
    const wchar_t* Key() const { return FAtom ? MAKEINTATOM(FAtom) : FName.c_str(); }
    const std::wstring& Name() const { return FName; }

private:
    std::wstring FName;
    ATOM FAtom = 0;
};

const ControlAtom& TheControlAtom() {
    static ControlAtom atom;
    return atom;
}

// The control a notification is about, when it is one of ours.
HWND ConcernedChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
        return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
        return reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM:
        return reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
    case WM_MEASUREITEM:
        return GetDlgItem(parent, int(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->CtlID));
    }
    return IsControlColorMessage(message) ? reinterpret_cast<HWND>(lParam) : nullptr;
}

bool IsReflected(UINT message) {
    if (message < CN_BASE) return false;
    switch (message - CN_BASE) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
        return true;
    }
    return IsControlColorMessage(message - CN_BASE);
}

bool IsMenuOwnerDraw(UINT message, LPARAM lParam) {
    if (message == WM_DRAWITEM) return reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->CtlType == ODT_MENU;
    if (message == WM_MEASUREITEM) return reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->CtlType == ODT_MENU;
    return false;
}
}  // namespace

HBRUSH SolidBrush(COLORREF color) {
    static std::map<COLORREF, TBrush> brushes;
    TBrush& brush = brushes[color];
    if (!brush) brush.Reset(CreateSolidBrush(color));
    return brush.Get();
}

TWinControl::~TWinControl() {
    for (TWinControl* child : FControls) child->FParent = nullptr;
    for (TWinControl* owned : FOwnedControls) owned->FOwner = nullptr;
    if (FParent) std::erase(FParent->FControls, this);
    if (FOwner) std::erase(FOwner->FOwnedControls, this);
    if (FHandle) DestroyWindow(FHandle);
}

const std::wstring& TWinControl::ControlPropertyName() { return TheControlAtom().Name(); }

TWinControl* TWinControl::FromHandle(HWND window) {
    if (!window) return nullptr;
    return static_cast<TWinControl*>(GetPropW(window, TheControlAtom().Key()));
}

bool TWinControl::Broadcast(UINT message, WPARAM wParam, LPARAM lParam) const {
    // By handle: a control that hears it may end another.
    std::vector<HWND> windows;
    for (TWinControl* control : FOwnedControls) windows.push_back(control->FHandle);
    bool answered = false;
    for (HWND window : windows) answered |= SendMessageW(window, message, wParam, lParam) != 0;
    return answered;
}

std::vector<TWinControl*> TWinControl::TabOrderList() const {
    std::vector<TWinControl*> list;
    for (TWinControl* child : FControls) {
        list.push_back(child);
        std::vector<TWinControl*> below = child->TabOrderList();
        list.insert(list.end(), below.begin(), below.end());
    }
    return list;
}

WNDPROC TWinControl::RegisterClassOnce(const CreateArgs& args) {
    auto found = BaseProcedures().find(args.className);
    if (found != BaseProcedures().end()) return found->second;
    WNDCLASSW windowClass = {};
    WNDPROC base = DefWindowProcW;
    if (args.baseClass) {
        if (!GetClassInfoW(GetModuleHandleW(nullptr), args.baseClass, &windowClass))
            throw Exception("no window class " + Narrow(args.baseClass) + " to build on");
        base = windowClass.lpfnWndProc;
    } else {
        windowClass.style = args.classStyle;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
    }
    windowClass.lpfnWndProc = StaticWndProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = args.className;
    if (!RegisterClassW(&windowClass))
        throw Exception("cannot register the window class " + Narrow(args.className));
    BaseProcedures()[args.className] = base;
    return base;
}

void TWinControl::Create(HWND parentOrOwner, const CreateArgs& args, UINT controlId) {
    FBaseProc = RegisterClassOnce(args);
    FControlId = controlId;
    HWND window = CreateWindowExW(args.exStyle, args.className, L"", args.style, args.bounds.Left, args.bounds.Top,
                                  args.bounds.Width, args.bounds.Height, parentOrOwner,
                                  reinterpret_cast<HMENU>(UINT_PTR(controlId)), GetModuleHandleW(nullptr), this);
    if (!window) throw Exception("cannot create a window of class " + Narrow(args.className));
}

void TWinControl::CreateChild(TWinControl& parent, const CreateArgs& args, bool showHint) {
    static UINT nextControlId = kFirstControlId;
    FParent = &parent;
    parent.FControls.push_back(this);
    FOwner = parent.FOwner ? parent.FOwner : &parent;
    FOwner->FOwnedControls.push_back(this);
    Create(parent.Handle(),
           {args.className, args.baseClass, args.style | WS_CHILD | WS_VISIBLE, args.exStyle, args.bounds,
            args.classStyle},
           nextControlId++);
    SetFont(parent.Font());
    if (showHint) THintWindow::Instance().AddTool(FHandle);
}

void TWinControl::CreateTopLevel(HWND owner, const CreateArgs& args, const TFont& font) {
    Create(owner, args, 0);
    SetFont(font);
}

void TWinControl::CreateOverlay(HWND parent, const CreateArgs& args) {
    Create(parent, {args.className, args.baseClass, args.style | WS_CHILD, args.exStyle, args.bounds, args.classStyle},
           0);
}

void TWinControl::Attach(HWND window) {
    FHandle = window;
    SetPropW(window, TheControlAtom().Key(), this);
}

void TWinControl::Detach() {
    RemovePropW(FHandle, TheControlAtom().Key());
    FHandle = nullptr;
}

LRESULT CALLBACK TWinControl::StaticWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams)->Attach(window);
    TWinControl* control = FromHandle(window);
    if (!control) {
        // A window of a framework class that some other code created.
        wchar_t className[64] = {};
        GetClassNameW(window, className, 64);
        auto base = BaseProcedures().find(className);
        WNDPROC procedure = base == BaseProcedures().end() ? DefWindowProcW : base->second;
        return CallSuperclassProcedure(procedure, window, message, wParam, lParam);
    }
    LRESULT result = DispatchGuarded(
        control->FMessage, [&] { return control->WndProc(message, wParam, lParam); },
        [&] { return control->CallDefault(message, wParam, lParam); }, message == WM_NCDESTROY);
    if (message == WM_NCDESTROY) control->Detach();
    return result;
}

LRESULT TWinControl::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) {
    return NoteDefault(FMessage, CallSuperclassProcedure(FBaseProc, FHandle, message, wParam, lParam));
}

LRESULT TWinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // Only child controls get notifications back; a form may use the same
    // numbers for messages of its own.
    if (FParent && IsReflected(message)) return HandleReflected(message, wParam, lParam);
    bool forwarded = false;
    LRESULT forwardedResult = ForwardToChild(message, wParam, lParam, forwarded);
    if (forwarded) return forwardedResult;

    switch (message) {
    case WM_ERASEBKGND:
        // Our own painting covers the whole client area.
        if (OwnClass()) return 1;
        break;
    case WM_PAINT:
        if (!OwnClass()) break;
        if (wParam) {
            Paint(reinterpret_cast<HDC>(wParam));
        } else {
            TPaintScope paint(FHandle);
            Paint(paint.Get());
        }
        return 0;
    case WM_PRINTCLIENT:
        if (!OwnClass()) break;
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_NOTIFY:
        if (ShowTooltipText(*reinterpret_cast<NMHDR*>(lParam))) return 1;
        break;
    case WM_CTLCOLORSTATIC:
        // Texts that give no colour of their own lie on this control's
        // background, whatever colour it has taken (a skin's, say).
        if (!OwnClass()) break;
        SetBkColor(reinterpret_cast<HDC>(wParam), BackgroundColor());
        return reinterpret_cast<LRESULT>(SolidBrush(BackgroundColor()));
    case WM_SETFOCUS: {
        LRESULT result = CallDefault(message, wParam, lParam);
        if (FOwner) FOwner->Broadcast(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(FHandle));
        return result;
    }
    case WM_MOUSEMOVE: {
        std::string hint = Hint;
        CallEvent(OnMouseMove, this, ShiftFromMouseKeys(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        // The tooltip sees the move first and may already show the old hint.
        if (Hint != hint) THintWindow::Instance().Refresh(FHandle);
        break;
    }
    case WM_CONTEXTMENU:
        if (OnContextPopup) {
            bool handled = false;
            CallEvent(OnContextPopup, this, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, handled);
            if (handled) return 0;
        }
        break;
    }
    return CallDefault(message, wParam, lParam);
}

// Owner-drawn menu items go to their item; notifications about a control of
// ours go back to that control.
LRESULT TWinControl::ForwardToChild(UINT message, WPARAM wParam, LPARAM lParam, bool& forwarded) {
    if (IsMenuOwnerDraw(message, lParam)) {
        forwarded = TMenuItem::DispatchOwnerDraw(message, lParam);
        return forwarded;
    }
    HWND child = ConcernedChild(FHandle, message, wParam, lParam);
    if (!child || child == FHandle || !FromHandle(child)) return 0;
    LRESULT result = SendMessageW(child, CN_BASE + message, wParam, lParam);
    // A control that gives no colour of its own gets the parent's default one.
    forwarded = !IsControlColorMessage(message) || result != 0;
    return result;
}

LRESULT TWinControl::HandleReflected(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message - CN_BASE) {
    case WM_COMMAND:
        Command(HIWORD(wParam));
        return 0;
    case WM_NOTIFY:
        return Notify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_DRAWITEM:
        return DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
    case WM_MEASUREITEM:
        return MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_HSCROLL:
    case WM_VSCROLL:
        Scroll(message - CN_BASE, LOWORD(wParam), HIWORD(wParam));
        return 0;
    }
    return reinterpret_cast<LRESULT>(ControlColor(reinterpret_cast<HDC>(wParam)));
}

// Tooltips ask the tool's parent for their text when they are about to show,
// so the text is always the control's current Hint.
bool TWinControl::ShowTooltipText(NMHDR& header) {
    if (header.code != TTN_GETDISPINFOW) return false;
    TWinControl* tool = FromHandle(reinterpret_cast<HWND>(header.idFrom));
    if (!tool) return false;
    tool->FShownHint = WidenLines(tool->Hint);
    reinterpret_cast<NMTTDISPINFOW&>(header).lpszText = tool->FShownHint.data();
    return true;
}

HBRUSH TWinControl::ControlColor(HDC dc) {
    if (FFont.Color != CLR_DEFAULT) SetTextColor(dc, FFont.Color);
    return nullptr;
}

void TWinControl::Paint(HDC dc) {
    if (OwnClass()) {
        RECT client;
        GetClientRect(FHandle, &client);
        FillRect(dc, &client, SolidBrush(BackgroundColor()));
    } else {
        CallSuperclassProcedure(FBaseProc, FHandle, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc),
                                PRF_CLIENT | PRF_ERASEBKGND);
    }
}

void TWinControl::PaintParentBackground(HDC dc) { ::PaintParentBackground(FHandle, dc); }

std::string TWinControl::Text() const {
    int length = GetWindowTextLengthW(FHandle);
    std::wstring text(length + 1, L'\0');
    text.resize(GetWindowTextW(FHandle, text.data(), length + 1));
    return Narrow(text);
}

void TWinControl::SetText(std::string_view text) { SetWindowTextW(FHandle, Widen(text).c_str()); }

bool TWinControl::Enabled() const { return IsWindowEnabled(FHandle); }

void TWinControl::SetEnabled(bool enabled) {
    if (enabled == Enabled()) return;
    EnableWindow(FHandle, enabled);
    SendMessageW(FHandle, CM_ENABLEDCHANGED, 0, 0);
}

bool TWinControl::Visible() const { return GetWindowLongW(FHandle, GWL_STYLE) & WS_VISIBLE; }

void TWinControl::SetVisible(bool visible) {
    if (visible == Visible()) return;
    ShowWindow(FHandle, visible ? SW_SHOW : SW_HIDE);
    SendMessageW(FHandle, CM_VISIBLECHANGED, visible, 0);
}

bool TWinControl::Showing() const { return IsWindowVisible(FHandle); }

TBounds TWinControl::Bounds() const {
    RECT rect;
    GetWindowRect(FHandle, &rect);
    if (GetWindowLongW(FHandle, GWL_STYLE) & WS_CHILD)
        MapWindowPoints(HWND_DESKTOP, GetParent(FHandle), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void TWinControl::SetFont(const TFont& font) {
    FFont = font;
    SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(font.Handle()), TRUE);
}

void TWinControl::SetColor(COLORREF color) {
    FColor = color;
    Invalidate();
}

COLORREF TWinControl::BackgroundColor() const {
    return FColor == CLR_DEFAULT ? GetSysColor(COLOR_BTNFACE) : FColor;
}

void TWinControl::SetFocus() { ::SetFocus(FHandle); }

void TWinControl::Invalidate() {
    if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
}
