#include "skin/panel/SkinBoxH.h"

#include "skin/data/SkinGdi.h"

void TSkinBoxH::AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN)
        result = ColourOnButtonFace(Skin(), message, reinterpret_cast<HDC>(wParam), result);
    TSkinBox::AfterMessage(message, wParam, lParam, result);
}
