#include "skin/tab/SkinTabSheet.h"

#include "skin/draw/ElementDrawing.h"
#include "skin/draw/Offscreen.h"
#include "skin/tab/SkinTab.h"
#include "skin/tab/TabSheetLayout.h"

void TSkinTabSheet::Draw(TOffscreen& picture) {
    HWND tabs = GetParent(Handle());
    RECT place;
    GetWindowRect(Handle(), &place);
    MapWindowPoints(nullptr, tabs, reinterpret_cast<POINT*>(&place), 2);
    const TSkinElement* pane = Skin().Element("Tab.Pane");
    std::optional<Rect> seen = PaneSeenFromPage(
        TabControlPane(tabs), {place.left, place.top, place.right - place.left, place.bottom - place.top});
    if (pane && seen)
        DrawElement(picture, *seen, pane->Picture(), 1);
}
