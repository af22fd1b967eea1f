#include "skin/updown/SkinUpDown.h"

#include <commctrl.h>
#include <windowsx.h>

#include "skin/data/SkinGdi.h"

namespace {
bool Horizontal(HWND window) { return (GetWindowLongW(window, GWL_STYLE) & UDS_HORZ) != 0; }
}  // namespace

const TSkinBorderElement* TSkinUpDown::ElementFor(const TSkinData& skin, HWND window) {
    return Horizontal(window) ? skin.UpDownHorz.get() : skin.UpDownVert.get();
}

UpDownHalves TSkinUpDown::Halves() const {
    RECT client;
    GetClientRect(Handle(), &client);
    return SplitUpDown(client.right, client.bottom, Horizontal(Handle()));
}

UpDownButton TSkinUpDown::ButtonAt(LPARAM point) const {
    return UpDownButtonAt(Halves(), GET_X_LPARAM(point), GET_Y_LPARAM(point));
}

void TSkinUpDown::AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        Show(ButtonAt(lParam), ButtonAt(lParam));
        break;
    case WM_LBUTTONUP:
        Show(UpDownButton::None, ButtonAt(lParam));
        break;
    case WM_MOUSEMOVE: {
        if (ButtonAt(lParam) == FHot) break;
        TRACKMOUSEEVENT leave = {sizeof leave, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&leave);
        Show(FPressed, ButtonAt(lParam));
        break;
    }
    case WM_MOUSELEAVE:
        Show(FPressed, UpDownButton::None);
        break;
    }
    TSkinControl::AfterMessage(message, wParam, lParam, result);
}

void TSkinUpDown::Show(UpDownButton pressed, UpDownButton hot) {
    if (pressed == FPressed && hot == FHot) return;
    FPressed = pressed;
    FHot = hot;
    Repaint();
}

void TSkinUpDown::Draw(HDC dc, const RECT& area) {
    const TSkinBorderElement* element = ElementFor(Skin(), Handle());
    int width = area.right - area.left, height = area.bottom - area.top;
    if (!element || width <= 0 || height <= 0) return;
    TOffscreen picture(width, height);
    picture.Fill(ToColorRef(Skin().Colours.ButtonFace));
    UpDownHalves halves = SplitUpDown(width, height, Horizontal(Handle()));
    bool enabled = IsWindowEnabled(Handle()) != FALSE;
    for (auto [button, place] : {std::pair{UpDownButton::First, halves.First}, {UpDownButton::Second, halves.Second}})
        DrawButton(picture, *element, place, UpDownFrame(button, {enabled, FPressed == button, FHot == button}));
    picture.CopyTo(dc, area.left, area.top);
}

// The glyph keeps its size, centred on the button.
void TSkinUpDown::DrawButton(TOffscreen& picture, const TSkinBorderElement& element, Rect area, int frame) {
    if (area.Empty()) return;
    picture.Draw(ComposeElement(element.Picture(), frame, area.Width, area.Height), area.Left, area.Top,
                 element.Trans);
    if (element.Image2.Empty()) return;
    ElementPicture glyph{&element.Image2};
    glyph.FrameCount = element.FrameCount;
    glyph.Transparent = true;
    Rect cell = FrameCell(glyph, frame);
    Rect place = CentreGlyph(area, cell.Width, cell.Height);
    picture.Draw(ComposeElement(glyph, frame, cell.Width, cell.Height), place.Left, place.Top, true);
}
