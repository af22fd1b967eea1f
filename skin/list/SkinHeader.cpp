#include "skin/list/SkinHeader.h"

#include <commctrl.h>

#include <iterator>

#include "skin/control/ItemRects.h"
#include "skin/control/StateTextColour.h"
#include "skin/data/SkinGdi.h"

namespace {
// Captions stand this far in from the section's edges.
constexpr int kCaptionIndent = 6;

UINT CaptionAlignment(int format) {
    switch (format & HDF_JUSTIFYMASK) {
    case HDF_RIGHT:
        return DT_RIGHT;
    case HDF_CENTER:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}
}  // namespace

// The header takes the press and sizes or clicks itself; parts are its
// sections.
TSkinHeader::TSkinHeader(TSkinFrame& frame) : TSkinControl(frame) {
    TrackPresses({.PartAt = [this](POINT at) { return SectionAt(at); },
                  .OnChange = [this] { Repaint(); },
                  .Mode = TPressTracker::TMode::Follows});
}

int TSkinHeader::SectionAt(POINT point) const {
    HDHITTESTINFO hit = {};
    hit.pt = point;
    int index = int(SendMessageW(Handle(), HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return hit.flags & HHT_ONHEADER ? index : -1;
}

HeaderStrip TSkinHeader::ReadStrip() const {
    HeaderStrip strip;
    strip.Items = ItemRects(Handle(), HDM_GETITEMCOUNT, HDM_GETITEMRECT);
    for (int index = 0; index < int(strip.Items.size()); ++index) {
        HDITEMW format = {};
        format.mask = HDI_FORMAT;
        SendMessageW(Handle(), HDM_GETITEMW, WPARAM(index), reinterpret_cast<LPARAM>(&format));
        if (strip.Sorted < 0 && format.fmt & (HDF_SORTUP | HDF_SORTDOWN)) strip.Sorted = index;
    }
    // Only a header whose sections act as buttons shows them pressed.
    TPressLook look = PressLook();
    strip.Pressed = GetWindowLongW(Handle(), GWL_STYLE) & HDS_BUTTONS ? look.Pressed : -1;
    strip.Hot = look.Hot;
    strip.Enabled = IsWindowEnabled(Handle()) != FALSE;
    return strip;
}

void TSkinHeader::Draw(TOffscreen& picture) {
    const TSkinElement* element = Skin().Element("Headerbar");
    for (const HeaderSection& section : LayOutHeader(picture.Width(), picture.Height(), ReadStrip())) {
        const Rect& place = section.Area;
        DrawElement(picture, place, element->Picture(), section.Frame);
        if (section.Index != kHeaderFiller) DrawCaption(picture, section, *element);
    }
}

void TSkinHeader::DrawCaption(TOffscreen& picture, const HeaderSection& section, const TSkinElement& element) {
    wchar_t text[256] = {};
    HDITEMW item = {};
    item.mask = HDI_TEXT | HDI_FORMAT;
    item.pszText = text;
    item.cchTextMax = int(std::size(text));
    SendMessageW(Handle(), HDM_GETITEMW, WPARAM(section.Index), reinterpret_cast<LPARAM>(&item));
    const Rect& place = section.Area;
    RECT box = {place.Left + kCaptionIndent, place.Top, place.Left + place.Width - kCaptionIndent,
                place.Top + place.Height};
    TSelection font(picture.DC(), ControlFont());
    SetBkMode(picture.DC(), TRANSPARENT);
    SetTextColor(picture.DC(), ToColorRef(StateTextColour(element, section.Frame, Skin().Colours.ButtonShadow)));
    // The header may answer with text of its own instead of filling ours.
    const wchar_t* caption = item.pszText ? item.pszText : L"";
    DrawTextW(picture.DC(), caption, -1, &box,
              CaptionAlignment(item.fmt) | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}
