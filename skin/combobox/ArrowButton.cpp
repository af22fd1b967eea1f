#include "skin/combobox/ArrowButton.h"

#include <commctrl.h>
#include <windowsx.h>

#include "base/win32/User32Extras.h"
#include "skin/draw/DibOutput.h"
#include "skin/draw/ElementDrawing.h"
#include "skin/manager/SkinMessages.h"

TArrowButton::TArrowButton(const TSkinData& skin, HWND picker) : FSkin(skin), FPicker(picker) {}

Rect TArrowButton::Bounds() const {
    RECT client;
    GetClientRect(FPicker, &client);
    return DatePickerButton({int(client.right), int(client.bottom)}, GetSystemMetrics(SM_CXVSCROLL));
}

void TArrowButton::Follow() {
    Rect bounds = Bounds();
    if (bounds.Empty()) {
        Hide();
        return;
    }
    if (!Handle())
        CreateOverlay(FPicker,
                      {L"TArrowButton", nullptr, 0, 0, {bounds.Left, bounds.Top, bounds.Width, bounds.Height}});
    SetWindowPos(Handle(), HWND_TOP, bounds.Left, bounds.Top, bounds.Width, bounds.Height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Repaint();
}

void TArrowButton::Hide() {
    if (Handle()) ShowWindow(Handle(), SW_HIDE);
}

void TArrowButton::Repaint() {
    if (Handle()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

ComboCondition TArrowButton::Condition() const {
    HWND calendar = HWND(SendMessageW(FPicker, DTM_GETMONTHCAL, 0, 0));
    HWND focus = GetFocus();
    return {.Enabled = IsWindowEnabled(FPicker) != FALSE,
            .Focused = focus == FPicker,
            .DroppedDown = calendar && IsWindowVisible(calendar),
            .Hot = FHot,
            .HotButton = FHot};
}

void TArrowButton::Paint(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    DrawPixelBuffer(
        dc, 0, 0,
        ComposeElement(FSkin.ComboxArrow->Picture(), ComboBoxFrames(Condition()).Arrow, client.right, client.bottom));
}

LRESULT TArrowButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case SkinMessage::Query:
        return 1;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
        PassToPicker(message, wParam, lParam);
        Repaint();
        return 0;
    case WM_MOUSEMOVE:
        SetHot(true);
        break;
    case WM_MOUSELEAVE:
        SetHot(false);
        return 0;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}

// The picker opens its calendar for a press on its own button.
void TArrowButton::PassToPicker(UINT message, WPARAM wParam, LPARAM lParam) {
    POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    MapWindowPoints(Handle(), FPicker, &at, 1);
    SendMessageW(FPicker, message, wParam, MAKELPARAM(at.x, at.y));
}

void TArrowButton::SetHot(bool hot) {
    if (hot == FHot) return;
    if (hot && User32Extras().TrackMouseEvent) {
        TRACKMOUSEEVENT leave = {sizeof leave, TME_LEAVE, Handle(), 0};
        User32Extras().TrackMouseEvent(&leave);
    }
    FHot = hot;
    Repaint();
}
