#include "skin/trackbar/SkinTrackBar.h"

#include <commctrl.h>

#include "gui/ControlMessages.h"
#include "skin/data/SkinGdi.h"
#include "skin/draw/Offscreen.h"

namespace {
TrackState ReadTrackState(HWND window) {
    LONG style = GetWindowLongW(window, GWL_STYLE);
    return {int(SendMessageW(window, TBM_GETRANGEMIN, 0, 0)), int(SendMessageW(window, TBM_GETRANGEMAX, 0, 0)),
            int(SendMessageW(window, TBM_GETPOS, 0, 0)), (style & TBS_VERT) != 0, (style & TBS_BOTH) != 0,
            (style & TBS_LEFT) != 0};
}

const TSkinElement* ChannelElement(const TSkinData& skin, bool vertical) {
    return skin.Element(vertical ? "TRACKVERT" : "Track");
}

// The element over area of dc, the dc's own pixels showing through its
// magenta when it is transparent.
void DrawOver(HDC dc, Rect area, const TSkinElement& element, int frame) {
    if (area.Empty()) return;
    TOffscreen piece(area.Width, area.Height);
    piece.CopyFrom(dc, area.Left, area.Top);
    DrawElement(piece, {0, 0, area.Width, area.Height}, element.Picture(), frame);
    piece.CopyTo(dc, area.Left, area.Top);
}
}  // namespace

bool TSkinTrackBar::Serves(const TSkinData& skin, HWND window) {
    TrackState state = ReadTrackState(window);
    return ChannelElement(skin, state.Vertical) && skin.Element(TrackThumbElement(state));
}

bool TSkinTrackBar::BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // The bar asks its parent for the brush of its background.
    if (message == CN_CTLCOLORSTATIC) {
        SetBkColor(reinterpret_cast<HDC>(wParam), ToColorRef(Skin().Colours.ButtonFace));
        result = reinterpret_cast<LRESULT>(SkinGdiOf(Skin()).ButtonFaceBrush());
        return false;
    }
    return TSkinControl::BeforeMessage(message, wParam, lParam, result);
}

LRESULT TSkinTrackBar::CustomDraw(NMCUSTOMDRAW& draw) {
    if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    switch (draw.dwItemSpec) {
    case TBCD_CHANNEL:
        DrawChannel(draw.hdc, draw.rc);
        return CDRF_SKIPDEFAULT;
    case TBCD_THUMB:
        DrawThumb(draw.hdc, draw.rc, draw.uItemState);
        return CDRF_SKIPDEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}

void TSkinTrackBar::DrawChannel(HDC dc, const RECT& channel) {
    const TSkinElement* element = ChannelElement(Skin(), ReadTrackState(Handle()).Vertical);
    if (!element) return;
    DrawOver(dc, FromRECT(channel), *element, 1);
}

void TSkinTrackBar::DrawThumb(HDC dc, const RECT& nativeThumb, UINT itemState) {
    TrackState state = ReadTrackState(Handle());
    const TSkinElement* thumb = Skin().Element(TrackThumbElement(state));
    if (!thumb) return;
    RECT channelRect;
    SendMessageW(Handle(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channelRect));
    Rect channel = ChannelAlongBar(FromRECT(channelRect), state.Vertical);
    int across = state.Vertical ? (nativeThumb.left + nativeThumb.right) / 2
                                : (nativeThumb.top + nativeThumb.bottom) / 2;
    Rect cell = FrameCell(thumb->Picture(), 1);
    TrackThumbLook look{IsWindowEnabled(Handle()) != FALSE, (itemState & CDIS_SELECTED) != 0,
                        (itemState & CDIS_HOT) != 0, GetFocus() == Handle()};
    DrawOver(dc, PlaceTrackThumb(channel, across, cell.Width, cell.Height, state), *thumb, TrackThumbFrame(look));
}
