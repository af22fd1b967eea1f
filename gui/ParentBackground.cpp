#include "gui/ParentBackground.h"

#include "base/win32/Handles.h"

void PaintParentBackground(HWND window, HDC dc) {
    HWND parent = GetParent(window);
    if (!parent) return;
    POINT origin = {0, 0};
    MapWindowPoints(window, parent, &origin, 1);
    TSavedDC saved(dc);
    OffsetViewportOrgEx(dc, -origin.x, -origin.y, nullptr);
    SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
}
