#pragma once
#include <windows.h>

#include <vector>

#include "skin/data/SkinGdi.h"
#include "skin/draw/PixelBuffer.h"

// Where a control of items in a row (tabs, header sections) places each of
// them, asked with its own count and item rectangle messages.
inline std::vector<Rect> ItemRects(HWND window, UINT countMessage, UINT rectMessage) {
    std::vector<Rect> items;
    int count = int(SendMessageW(window, countMessage, 0, 0));
    for (int index = 0; index < count; ++index) {
        RECT item = {};
        SendMessageW(window, rectMessage, WPARAM(index), reinterpret_cast<LPARAM>(&item));
        items.push_back(FromRECT(item));
    }
    return items;
}
