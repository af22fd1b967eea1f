#include "skin/combobox/SkinComBox.h"

#include <windowsx.h>

#include "base/win32/Handles.h"
#include "base/win32/User32Extras.h"
#include "skin/data/SkinGdi.h"
#include "skin/draw/ElementDrawing.h"
#include "skin/draw/Offscreen.h"

namespace {
// A drop-down list opens wherever it is clicked; a box with an edit only
// from its button.
bool OpensAnywhere(HWND combo) { return (GetWindowLongW(combo, GWL_STYLE) & 3) == CBS_DROPDOWNLIST; }
}  // namespace

// The box drops its list itself; the tracker only follows the pointer.
TSkinComBox::TSkinComBox(TSkinFrame& frame) : TSkinControl(frame) {
    TrackPresses({.PartAt = [this](POINT at) { return PartAt(at); },
                  .OnChange = [this] { Repaint(); },
                  .Mode = TPressTracker::TMode::Follows});
}

// The list of the box is a window of its own, there from the start.
void TSkinComBox::AfterAttach() {
    COMBOBOXINFO info = {sizeof info};
    if (!TComboxScrollBar::CanSkin(Skin()) || !User32Extras().GetComboBoxInfo ||
        !User32Extras().GetComboBoxInfo(Handle(), &info) || !info.hwndList)
        return;
    FListBar = std::make_unique<TComboxScrollBar>(Frame());
    if (!FListBar->Attach({info.hwndList}, TPainting::Border)) FListBar.reset();
}

void TSkinComBox::BeforeDetach() {
    if (FListBar) FListBar->Detach();
    FListBar.reset();
}

bool TSkinComBox::SkinHasPicture(const TSkinData& skin) {
    return skin.ComboButton && skin.ComboButton->Style == 2 && !skin.ComboButton->Image.Empty() && skin.ComboxArrow &&
           !skin.ComboxArrow->Image.Empty();
}

ComboParts TSkinComBox::Parts() const {
    COMBOBOXINFO info = {sizeof info};
    if (User32Extras().GetComboBoxInfo && User32Extras().GetComboBoxInfo(Handle(), &info))
        return {FromRECT(info.rcItem), FromRECT(info.rcButton)};
    RECT client;
    GetClientRect(Handle(), &client);
    return ComboBoxParts({int(client.right), int(client.bottom)}, GetSystemMetrics(SM_CXVSCROLL));
}

int TSkinComBox::PartAt(POINT at) const {
    return OpensAnywhere(Handle()) || Contains(Parts().Button, {int(at.x), int(at.y)}) ? DropButton : Box;
}

ComboCondition TSkinComBox::Condition() const {
    HWND focus = GetFocus();
    TPressLook look = PressLook();
    return {.Enabled = IsWindowEnabled(Handle()) != FALSE,
            .Focused = focus && (focus == Handle() || IsChild(Handle(), focus)),
            .DroppedDown = SendMessageW(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0,
            .Hot = look.Hot >= 0,
            .HotButton = look.Hot == DropButton};
}

// The box redraws its button and focus as its list opens and closes.
void TSkinComBox::AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message >= WM_LBUTTONDOWN && message <= WM_LBUTTONDBLCLK) Repaint();
    TSkinControl::AfterMessage(message, wParam, lParam, result);
}

// Around the item area, which stays as the box painted it.
void TSkinComBox::Draw(TOffscreen& canvas) {
    const TSkinData& skin = Skin();
    ComboParts parts = Parts();
    ComboFrames frames = ComboBoxFrames(Condition());
    PixelBuffer item = canvas.Pixels().Crop(parts.Item);
    DrawElement(canvas, {0, 0, canvas.Width(), canvas.Height()}, skin.ComboButton->Picture(), frames.Edge);
    if (!parts.Button.Empty()) DrawElement(canvas, parts.Button, skin.ComboxArrow->Picture(), frames.Arrow);
    canvas.Draw(item, parts.Item.Left, parts.Item.Top);
}
