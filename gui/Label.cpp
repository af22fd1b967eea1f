#include "gui/Label.h"

void TLabel::Create(TWinControl& parent, const Args& args) {
    FTransparent = args.Transparent;
    CreateChild(parent, {L"TLabel", L"STATIC", SS_LEFTNOWORDWRAP | SS_NOTIFY | SS_NOPREFIX, 0, args.Bounds},
                false);
    SetText(args.Caption);
}

LRESULT TLabel::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!FTransparent) return TWinControl::WndProc(message, wParam, lParam);
    switch (message) {
    case WM_ERASEBKGND:
        PaintParentBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_SETTEXT: {
        CallDefault(WM_SETREDRAW, FALSE, 0);
        LRESULT result = TWinControl::WndProc(message, wParam, lParam);
        CallDefault(WM_SETREDRAW, TRUE, 0);
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
        return result;
    }
    }
    return TWinControl::WndProc(message, wParam, lParam);
}

void TLabel::Command(WORD notifyCode) {
    if (notifyCode == STN_CLICKED) CallEvent(OnClick, this);
}

HBRUSH TLabel::ControlColor(HDC dc) {
    TWinControl::ControlColor(dc);
    if (!FTransparent) return nullptr;
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}
