#include "skin/combobox/SkinDateTime.h"

#include "gui/ControlMessages.h"

TSkinDateTime::TSkinDateTime(TSkinFrame& frame) : TSkinControl(frame) {}

TSkinDateTime::~TSkinDateTime() {
    if (State() == Attached) Detach();
    FButton.reset();
}

bool TSkinDateTime::CanSkin(const TSkinData& skin) { return skin.ComboxArrow && !skin.ComboxArrow->Image.Empty(); }

void TSkinDateTime::Attach(TWinControl& control, bool recolour) {
    TSkinControl::Attach(control, recolour);
    AttachButton();
}

void TSkinDateTime::AttachWindow(HWND window) {
    TSkinControl::AttachWindow(window);
    AttachButton();
}

// The picker repaints its button whenever it likes; with its painting kept
// off its children, the skin's button stays on top.
void TSkinDateTime::AttachButton() {
    if (State() != Attached) return;
    LONG style = GetWindowLongW(Handle(), GWL_STYLE);
    if (!(style & WS_CLIPCHILDREN)) {
        SetWindowLongW(Handle(), GWL_STYLE, style | WS_CLIPCHILDREN);
        FClipsChildrenAdded = true;
    }
    FButton = std::make_unique<TArrowButton>(Skin(), Handle());
    FButton->Follow();
}

void TSkinDateTime::Detach() {
    HWND picker = Handle();
    bool alive = picker && State() != Dead;
    FButton.reset();
    if (alive && FClipsChildrenAdded)
        SetWindowLongW(picker, GWL_STYLE, GetWindowLongW(picker, GWL_STYLE) & ~WS_CLIPCHILDREN);
    FClipsChildrenAdded = false;
    TSkinControl::Detach();
    if (alive) InvalidateRect(picker, nullptr, TRUE);
}

void TSkinDateTime::Refresh() {
    TSkinControl::Refresh();
    if (FButton) FButton->Repaint();
}

void TSkinDateTime::AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    TSkinControl::AfterMessage(message, wParam, lParam, result);
    if (!FButton || !PaintingEnabled()) return;
    switch (message) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
        FButton->Follow();
        break;
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CN_NOTIFY:  // the calendar opened or closed
    case SkinNotification::EnabledChanged:
        FButton->Repaint();
        break;
    }
}

void TSkinDateTime::PaintingSwitched() {
    if (!FButton) return;
    if (PaintingEnabled())
        FButton->Follow();
    else
        FButton->Hide();
}
