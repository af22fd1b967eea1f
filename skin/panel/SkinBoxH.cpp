#include "skin/panel/SkinBoxH.h"

#include "skin/data/SkinGdi.h"

bool TSkinBoxH::BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_ERASEBKGND) return TSkinControl::BeforeMessage(message, wParam, lParam, result);
    RECT client;
    GetClientRect(Handle(), &client);
    Draw(reinterpret_cast<HDC>(wParam), client);
    result = 1;
    return false;
}

void TSkinBoxH::AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_PAINT:
        break;  // the background is laid when the window is erased, under its own painting
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        result = ColourOnButtonFace(Skin(), message, reinterpret_cast<HDC>(wParam), result);
        break;
    default:
        TSkinControl::AfterMessage(message, wParam, lParam, result);
    }
}
