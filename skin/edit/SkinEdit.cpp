#include "skin/edit/SkinEdit.h"

#include "base/win32/Handles.h"
#include "skin/data/SkinGdi.h"
#include "skin/draw/Offscreen.h"
#include "skin/manager/SkinMessages.h"

namespace {
// The frames: button shadow, white, white, from the outside in.
const int kFrameDepth = 3;

RECT WindowArea(HWND window) {
    RECT area;
    GetWindowRect(window, &area);
    OffsetRect(&area, -area.left, -area.top);
    return area;
}
}  // namespace

TSkinEdit::~TSkinEdit() {
    if (State() == Attached) Detach();
}

bool TSkinEdit::HasBorder(HWND window) {
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    return client.left > outer.left && client.top > outer.top;
}

void TSkinEdit::Attach(TWinControl& control, bool recolour) {
    TSkinControl::Attach(control, recolour);
    if (State() == Attached) FrameChanged();
}

void TSkinEdit::AttachWindow(HWND window) {
    TSkinControl::AttachWindow(window);
    if (State() == Attached) FrameChanged();
}

// The border goes back to its native depth with the native procedure.
void TSkinEdit::Detach() {
    HWND window = Handle();
    bool alive = State() == Attached;
    TSkinControl::Detach();
    if (alive && IsWindow(window))
        SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// Painting off gives the native border back; on, the skin's.
void TSkinEdit::PaintingSwitched() { FrameChanged(); }

void TSkinEdit::FrameChanged() {
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool TSkinEdit::BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == SkinMessage::PaintEditInto && lParam == SkinMessage::Signature) {
        PaintWindow(reinterpret_cast<HDC>(wParam));
        result = SkinMessage::Signature;
        return false;
    }
    return TSkinControl::BeforeMessage(message, wParam, lParam, result);
}

void TSkinEdit::AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_NCCALCSIZE:
        WidenBorder(wParam, lParam);
        break;
    case WM_NCPAINT:
    case WM_PAINT:
        PaintWindow(nullptr);
        break;
    case WM_PRINT:
        if (lParam & PRF_NONCLIENT) PaintWindow(reinterpret_cast<HDC>(wParam));
        break;
    default:
        TSkinControl::AfterMessage(message, wParam, lParam, result);
    }
}

// The client area the system worked out, one pixel smaller all round.
void TSkinEdit::WidenBorder(WPARAM wParam, LPARAM lParam) {
    RECT& client = wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : *reinterpret_cast<RECT*>(lParam);
    if (client.right - client.left < 2 || client.bottom - client.top < 2) return;
    InflateRect(&client, -1, -1);
}

void TSkinEdit::PaintWindow(HDC dc) {
    RECT area = WindowArea(Handle());
    if (dc) {
        Draw(dc, area);
        return;
    }
    TWindowDC own(Handle(), TWindowDC::Whole);
    Draw(own.Get(), area);
}

void TSkinEdit::Draw(HDC dc, const RECT& area) {
    int width = area.right - area.left, height = area.bottom - area.top;
    TOffscreen frames(width, height);
    frames.Fill(ToColorRef(Skin().Colours.ButtonShadow));
    RECT inside = {1, 1, width - 1, height - 1};
    FillRect(frames.DC(), &inside, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    // Only the frames reach the window: what lies inside them (the client
    // area, scroll bars) stays as the edit drew it.
    TSavedDC saved(dc);
    ExcludeClipRect(dc, area.left + kFrameDepth, area.top + kFrameDepth, area.right - kFrameDepth,
                    area.bottom - kFrameDepth);
    frames.CopyTo(dc, area.left, area.top);
}
