#include "skin/edit/SkinEdit.h"

#include "base/win32/Handles.h"
#include "skin/data/SkinGdi.h"
#include "skin/draw/Offscreen.h"
#include "skin/manager/SkinMessages.h"

namespace {
// The frames: button shadow, white, white, from the outside in.
const int kFrameDepth = 3;
}  // namespace

bool TSkinEdit::HasBorder(HWND window) {
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    return client.left > outer.left && client.top > outer.top;
}

int TSkinEdit::BorderDepth() const { return kFrameDepth; }

bool TSkinEdit::BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == SkinMessage::PaintEditInto && lParam == SkinMessage::Signature) {
        PaintInto(reinterpret_cast<HDC>(wParam));
        result = SkinMessage::Signature;
        return false;
    }
    return TSkinControl::BeforeMessage(message, wParam, lParam, result);
}

void TSkinEdit::AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_NCCALCSIZE) WidenBorder(wParam, lParam);
    TSkinControl::AfterMessage(message, wParam, lParam, result);
}

// The client area the system worked out, one pixel smaller all round.
void TSkinEdit::WidenBorder(WPARAM wParam, LPARAM lParam) {
    RECT& client = wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : *reinterpret_cast<RECT*>(lParam);
    if (client.right - client.left < 2 || client.bottom - client.top < 2) return;
    InflateRect(&client, -1, -1);
}

void TSkinEdit::Draw(TOffscreen& canvas) {
    canvas.Fill(ToColorRef(Skin().Colours.ButtonShadow));
    RECT inside = {1, 1, canvas.Width() - 1, canvas.Height() - 1};
    FillRect(canvas.DC(), &inside, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}
