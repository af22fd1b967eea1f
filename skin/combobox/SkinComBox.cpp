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

TSkinComBox::TSkinComBox(TSkinFrame& frame) : TSkinControl(frame) {}

TSkinComBox::~TSkinComBox() {
    if (State() == Attached) Detach();
}

void TSkinComBox::Attach(TWinControl& control, bool recolour) {
    TSkinControl::Attach(control, recolour);
    AttachListBar();
}

void TSkinComBox::AttachWindow(HWND window) {
    TSkinControl::AttachWindow(window);
    AttachListBar();
}

// The list of the box is a window of its own, there from the start.
void TSkinComBox::AttachListBar() {
    COMBOBOXINFO info = {sizeof info};
    if (State() != Attached || !TComboxScrollBar::CanSkin(Skin()) || !User32Extras().GetComboBoxInfo ||
        !User32Extras().GetComboBoxInfo(Handle(), &info) || !info.hwndList)
        return;
    FListBar = std::make_unique<TComboxScrollBar>(Frame());
    FListBar->AttachWindow(info.hwndList);
    if (FListBar->State() != Attached) FListBar.reset();
}

void TSkinComBox::Detach() {
    if (FListBar && FListBar->State() == Attached) FListBar->Detach();
    FListBar.reset();
    TSkinControl::Detach();
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

ComboCondition TSkinComBox::Condition() const {
    HWND focus = GetFocus();
    return {.Enabled = IsWindowEnabled(Handle()) != FALSE,
            .Focused = focus && (focus == Handle() || IsChild(Handle(), focus)),
            .DroppedDown = SendMessageW(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0,
            .Hot = FHot,
            .HotButton = FHotButton};
}

void TSkinComBox::AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_PAINT:
    case WM_NCPAINT:
    case WM_DRAWITEM:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        PaintWindow(nullptr);
        break;
    case WM_MOUSEMOVE:
        MouseMoved({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        break;
    case WM_MOUSELEAVE:
        MouseLeft();
        break;
    default:
        TSkinControl::AfterMessage(message, wParam, lParam, result);
    }
}

void TSkinComBox::MouseMoved(POINT at) {
    bool hotButton = OpensAnywhere(Handle()) || Contains(Parts().Button, {int(at.x), int(at.y)});
    if (FHot && hotButton == FHotButton) return;
    if (!FHot && User32Extras().TrackMouseEvent) {
        TRACKMOUSEEVENT leave = {sizeof leave, TME_LEAVE, Handle(), 0};
        User32Extras().TrackMouseEvent(&leave);
    }
    FHot = true;
    FHotButton = hotButton;
    PaintWindow(nullptr);
}

void TSkinComBox::MouseLeft() {
    FHot = FHotButton = false;
    PaintWindow(nullptr);
}

void TSkinComBox::Draw(HDC dc, const RECT& area) {
    const TSkinData& skin = Skin();
    int width = area.right - area.left, height = area.bottom - area.top;
    ComboParts parts = Parts();
    ComboFrames frames = ComboBoxFrames(Condition());
    TOffscreen picture(width, height);
    picture.Fill(ToColorRef(skin.Colours.ButtonFace));
    picture.Draw(ComposeElement(skin.ComboButton->Picture(), frames.Edge, width, height), 0, 0,
                 skin.ComboButton->Trans);
    if (!parts.Button.Empty())
        picture.Draw(ComposeElement(skin.ComboxArrow->Picture(), frames.Arrow, parts.Button.Width, parts.Button.Height),
                     parts.Button.Left, parts.Button.Top);
    // The item area and the box's own children (the edit of a drop-down
    // box) stay as the box drew them.
    TSavedDC saved(dc);
    const Rect& item = parts.Item;
    ExcludeClipRect(dc, area.left + item.Left, area.top + item.Top, area.left + item.Left + item.Width,
                    area.top + item.Top + item.Height);
    for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        RECT bounds;
        GetWindowRect(child, &bounds);
        MapWindowPoints(HWND_DESKTOP, Handle(), reinterpret_cast<POINT*>(&bounds), 2);
        ExcludeClipRect(dc, area.left + bounds.left, area.top + bounds.top, area.left + bounds.right,
                        area.top + bounds.bottom);
    }
    picture.CopyTo(dc, area.left, area.top);
}
