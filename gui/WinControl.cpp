#include "gui/WinControl.h"

#include <commctrl.h>
#include <windowsx.h>

#include <map>

#include "gui/HintWindow.h"
#include "gui/Win32Text.h"

namespace {
TShiftState ShiftFromMouseKeys(WPARAM keys) {
    return (keys & MK_SHIFT ? ssShift : 0) | (keys & MK_CONTROL ? ssCtrl : 0) |
           (GetKeyState(VK_MENU) < 0 ? ssAlt : 0) | (keys & MK_LBUTTON ? ssLeft : 0) |
           (keys & MK_RBUTTON ? ssRight : 0) | (keys & MK_MBUTTON ? ssMiddle : 0);
}

std::map<std::wstring, WNDPROC>& BaseProcedures() {
    static std::map<std::wstring, WNDPROC> procedures;
    return procedures;
}
}  // namespace

TWinControl::~TWinControl() {
    if (FHandle) DestroyWindow(FHandle);
}

TWinControl* TWinControl::FromHandle(HWND window) {
    if (!window) return nullptr;
    WNDPROC procedure = reinterpret_cast<WNDPROC>(GetClassLongPtrW(window, GCLP_WNDPROC));
    if (procedure != StaticWndProc) return nullptr;
    return reinterpret_cast<TWinControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

WNDPROC TWinControl::RegisterClassOnce(const CreateArgs& args) {
    auto found = BaseProcedures().find(args.className);
    if (found != BaseProcedures().end()) return found->second;
    WNDCLASSW windowClass = {};
    WNDPROC base = DefWindowProcW;
    if (args.baseClass) {
        GetClassInfoW(nullptr, args.baseClass, &windowClass);
        base = windowClass.lpfnWndProc;
    } else {
        windowClass.style = args.classStyle;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
        windowClass.hbrBackground = args.background;
    }
    windowClass.lpfnWndProc = StaticWndProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = args.className;
    RegisterClassW(&windowClass);
    BaseProcedures()[args.className] = base;
    return base;
}

void TWinControl::Create(HWND parentOrOwner, const CreateArgs& args) {
    FDefaultProc = RegisterClassOnce(args);
    CreateWindowExW(args.exStyle, args.className, L"", args.style, args.bounds.Left, args.bounds.Top,
                    args.bounds.Width, args.bounds.Height, parentOrOwner, nullptr,
                    GetModuleHandleW(nullptr), this);
}

void TWinControl::CreateChild(TWinControl& parent, const CreateArgs& args, bool showHint) {
    FParent = &parent;
    Create(parent.Handle(), {args.className, args.baseClass, args.style | WS_CHILD | WS_VISIBLE,
                             args.exStyle, args.bounds, args.classStyle, args.background});
    SetFont(parent.Font());
    if (showHint) THintWindow::Instance().AddTool(FHandle);
}

void TWinControl::CreateTopLevel(HWND owner, const CreateArgs& args, const TFont& font) {
    Create(owner, args);
    SetFont(font);
}

LRESULT CALLBACK TWinControl::StaticWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* control = reinterpret_cast<TWinControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        control = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        control->FHandle = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
    }
    if (!control) {
        wchar_t className[64];
        GetClassNameW(window, className, 64);
        return CallWindowProcW(BaseProcedures()[className], window, message, wParam, lParam);
    }
    LRESULT result = 0;
    try {
        result = control->WndProc(message, wParam, lParam);
    } catch (...) {
        result = control->CallDefault(message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        control->FHandle = nullptr;
    }
    return result;
}

LRESULT TWinControl::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(FDefaultProc, FHandle, message, wParam, lParam);
}

LRESULT TWinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(lParam))) {
            child->Command(HIWORD(wParam));
            return 0;
        }
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(lParam)))
            if (HBRUSH brush = child->ControlColor(reinterpret_cast<HDC>(wParam)))
                return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_NOTIFY:
        if (LRESULT handled = HandleNotify(reinterpret_cast<NMHDR*>(lParam))) return handled;
        break;
    case WM_MOUSEMOVE:
        CallEvent(OnMouseMove, this, ShiftFromMouseKeys(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        break;
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

// Tooltips ask the tool's parent for their text when they are about to show,
// so the text is always the control's current Hint.
LRESULT TWinControl::HandleNotify(NMHDR* header) {
    if (header->code != TTN_GETDISPINFOW) return 0;
    TWinControl* tool = FromHandle(reinterpret_cast<HWND>(header->idFrom));
    if (!tool) return 0;
    tool->FShownHint = WidenLines(tool->Hint);
    reinterpret_cast<NMTTDISPINFOW*>(header)->lpszText = tool->FShownHint.data();
    return 1;
}

HBRUSH TWinControl::ControlColor(HDC dc) {
    if (FFont.Color != CLR_DEFAULT) SetTextColor(dc, FFont.Color);
    return nullptr;
}

std::string TWinControl::Text() const {
    int length = GetWindowTextLengthW(FHandle);
    std::wstring text(length + 1, L'\0');
    text.resize(GetWindowTextW(FHandle, text.data(), length + 1));
    return Narrow(text);
}

void TWinControl::SetText(std::string_view text) { SetWindowTextW(FHandle, Widen(text).c_str()); }

bool TWinControl::Enabled() const { return IsWindowEnabled(FHandle); }

void TWinControl::SetEnabled(bool enabled) { EnableWindow(FHandle, enabled); }

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

void TWinControl::SetFocus() { ::SetFocus(FHandle); }
