#include "skin/updown/SkinUpDown.h"

#include <commctrl.h>

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

// Parts are the buttons, numbered as UpDownButton numbers them.
TSkinUpDown::TSkinUpDown(TSkinFrame& frame) : TSkinControl(frame) {
    TrackPresses({.PartAt = [this](POINT at) {
                      UpDownButton button = UpDownButtonAt(Halves(), at.x, at.y);
                      return button == UpDownButton::None ? -1 : int(button);
                  },
                  .OnChange = [this] { Repaint(); },
                  .Mode = TPressTracker::TMode::Follows});
}

void TSkinUpDown::Draw(TOffscreen& picture) {
    const TSkinBorderElement* element = ElementFor(Skin(), Handle());
    UpDownHalves halves = SplitUpDown(picture.Width(), picture.Height(), Horizontal(Handle()));
    bool enabled = IsWindowEnabled(Handle()) != FALSE;
    TPressLook look = PressLook();
    for (auto [button, place] : {std::pair{UpDownButton::First, halves.First}, {UpDownButton::Second, halves.Second}})
        DrawButton(picture, *element, place,
                   UpDownFrame(button, {enabled, look.Pressed == int(button), look.Hot == int(button)}));
}

// The glyph keeps its size, centred on the button.
void TSkinUpDown::DrawButton(TOffscreen& picture, const TSkinBorderElement& element, Rect area, int frame) {
    if (area.Empty()) return;
    DrawElement(picture, area, element.Picture(), frame);
    if (element.Image2.Empty()) return;
    ElementPicture glyph = element.SecondPicture();
    Rect cell = FrameCell(glyph, frame);
    Rect place = CentreGlyph(area, cell.Width, cell.Height);
    DrawElement(picture, {place.Left, place.Top, cell.Width, cell.Height}, glyph, frame);
}
