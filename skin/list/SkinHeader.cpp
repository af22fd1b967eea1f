#include "skin/list/SkinHeader.h"

#include <commctrl.h>
#include <windowsx.h>

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

int TSkinHeader::SectionAt(LPARAM point) const {
    HDHITTESTINFO hit = {};
    hit.pt = {GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    int index = int(SendMessageW(Handle(), HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return hit.flags & HHT_ONHEADER ? index : -1;
}

void TSkinHeader::AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_MOUSEMOVE: {
        int hot = SectionAt(lParam);
        if (hot == FHot) break;
        TRACKMOUSEEVENT leave = {sizeof leave, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&leave);
        Show(FPressed, hot);
        break;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // Only a header whose sections act as buttons shows them pressed.
        if (GetWindowLongW(Handle(), GWL_STYLE) & HDS_BUTTONS) Show(SectionAt(lParam), SectionAt(lParam));
        break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        Show(-1, FHot);
        break;
    case WM_MOUSELEAVE:
        Show(FPressed, -1);
        break;
    }
    TSkinControl::AfterMessage(message, wParam, lParam, result);
}

void TSkinHeader::Show(int pressed, int hot) {
    if (pressed == FPressed && hot == FHot) return;
    FPressed = pressed;
    FHot = hot;
    Repaint();
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
    strip.Pressed = FPressed;
    strip.Hot = FHot;
    strip.Enabled = IsWindowEnabled(Handle()) != FALSE;
    return strip;
}

void TSkinHeader::Draw(HDC dc, const RECT& area) {
    const TSkinElement* element = Skin().Element("Headerbar");
    int width = area.right - area.left, height = area.bottom - area.top;
    if (!element || width <= 0 || height <= 0) return;
    TOffscreen& picture = Offscreen(width, height);
    picture.Fill(ToColorRef(Skin().Colours.ButtonFace));
    for (const HeaderSection& section : LayOutHeader(width, height, ReadStrip())) {
        const Rect& place = section.Area;
        picture.Draw(ComposeElement(element->Picture(), section.Frame, place.Width, place.Height), place.Left,
                     place.Top, element->Trans);
        if (section.Index != kHeaderFiller) DrawCaption(picture, section, *element);
    }
    picture.CopyTo(dc, area.left, area.top);
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
