#include "skin/combobox/ArrowButton.h"

#include <commctrl.h>
#include <windowsx.h>

#include "skin/data/SkinGdi.h"
#include "skin/draw/Offscreen.h"
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
            .Hot = FTracker.Look().Hot >= 0,
            .HotButton = FTracker.Look().Hot >= 0};
}

void TArrowButton::Paint(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    TOffscreen canvas(client.right, client.bottom);
    canvas.Fill(ToColorRef(FSkin.Colours.ButtonFace));
    DrawElement(canvas, {0, 0, canvas.Width(), canvas.Height()}, FSkin.ComboxArrow->Picture(),
                ComboBoxFrames(Condition()).Arrow);
    canvas.CopyTo(dc, 0, 0);
}

LRESULT TArrowButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == SkinMessage::Query) return 1;
    if (message == WM_ERASEBKGND) return 1;
    if (FTracker.Track(Handle(), message, wParam, lParam)) return 0;
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
        PassToPicker(message, wParam, lParam);
        return 0;
    }
    LRESULT result = TWinControl::WndProc(message, wParam, lParam);
    FTracker.Handled(Handle(), message);
    return result;
}

// The picker opens its calendar for a press on its own button; the press
// ends there, and the button shows the calendar open.
void TArrowButton::PassToPicker(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND own = Handle();
    POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    MapWindowPoints(own, FPicker, &at, 1);
    SendMessageW(FPicker, message, wParam, MAKELPARAM(at.x, at.y));
    if (!IsWindow(own)) return;
    FTracker.EndPress(own);
    Repaint();
}
