#include "skin/tab/SkinTabSheet.h"

#include "skin/draw/ElementDrawing.h"
#include "skin/draw/Offscreen.h"
#include "skin/tab/SkinTab.h"
#include "skin/tab/TabSheetLayout.h"

void TSkinTabSheet::Draw(HDC dc, const RECT& area) {
    int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return;
    HWND tabs = GetParent(Handle());
    RECT place;
    GetWindowRect(Handle(), &place);
    MapWindowPoints(nullptr, tabs, reinterpret_cast<POINT*>(&place), 2);
    TOffscreen& picture = Offscreen(width, height);
    PaintBackground(picture, {0, 0});
    const TSkinElement* pane = Skin().Element("Tab.Pane");
    std::optional<Rect> seen = PaneSeenFromPage(
        TabControlPane(tabs), {place.left, place.top, place.right - place.left, place.bottom - place.top});
    if (pane && seen)
        picture.Draw(ComposeElement(pane->Picture(), 1, seen->Width, seen->Height), seen->Left, seen->Top, pane->Trans);
    picture.CopyTo(dc, area.left, area.top);
}
