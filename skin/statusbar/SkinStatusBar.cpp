#include "skin/statusbar/SkinStatusBar.h"

#include <commctrl.h>

#include "skin/data/SkinGdi.h"

namespace {
// Text stands this far in from a panel's left edge.
constexpr int kTextIndent = 4;
}  // namespace

StatusBarParts TSkinStatusBar::ReadParts(const TSkinElement& edges) const {
    StatusBarParts parts;
    int count = int(SendMessageW(Handle(), SB_GETPARTS, 0, 0));
    if (count > 0) {
        parts.RightEdges.resize(size_t(count));
        SendMessageW(Handle(), SB_GETPARTS, WPARAM(count), reinterpret_cast<LPARAM>(parts.RightEdges.data()));
    }
    parts.Simple = SendMessageW(Handle(), SB_ISSIMPLE, 0, 0) != 0;
    parts.SizeGrip = (GetWindowLongW(Handle(), GWL_STYLE) & SBARS_SIZEGRIP) != 0;
    parts.GripWidth = FrameCell(edges.Picture(), 3).Width;
    return parts;
}

// A simple bar keeps its simple text as part 0.
std::wstring TSkinStatusBar::PartText(int part) const {
    int length = LOWORD(SendMessageW(Handle(), SB_GETTEXTLENGTHW, WPARAM(part), 0));
    std::wstring text(size_t(length) + 1, L'\0');
    SendMessageW(Handle(), SB_GETTEXTW, WPARAM(part), reinterpret_cast<LPARAM>(text.data()));
    text.resize(wcsnlen(text.c_str(), size_t(length)));
    return text;
}

void TSkinStatusBar::Draw(TOffscreen& picture) {
    const TSkinElement* edges = Skin().Element("StatusBarEdges");
    int width = picture.Width(), height = picture.Height();
    StatusBarLayout layout = LayOutStatusBar(width, height, ReadParts(*edges));
    DrawElement(picture, {0, 0, width, height}, edges->Picture(), 1);
    for (const StatusPanelPlace& panel : layout.Panels) DrawElement(picture, panel.Area, edges->Picture(), 2);
    if (!layout.Grip.Empty()) DrawElement(picture, layout.Grip, edges->Picture(), 3);
    DrawTexts(picture, layout);
}

void TSkinStatusBar::DrawTexts(TOffscreen& picture, const StatusBarLayout& layout) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    TSelection selected(picture.DC(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(picture.DC(), TRANSPARENT);
    SetTextColor(picture.DC(), ToColorRef(Skin().Colours.ButtonText));
    for (const StatusPanelPlace& panel : layout.Panels) {
        const Rect& place = panel.Area;
        RECT box = {place.Left + kTextIndent, place.Top, place.Left + place.Width - kTextIndent / 2,
                    place.Top + place.Height};
        std::wstring text = PartText(panel.Part);
        DrawTextW(picture.DC(), text.c_str(), int(text.size()), &box,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
}
