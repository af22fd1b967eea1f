#include "skin/combobox/SkinDateTime.h"

#include "gui/ControlMessages.h"

bool TSkinDateTime::CanSkin(const TSkinData& skin) { return skin.ComboxArrow && !skin.ComboxArrow->Image.Empty(); }

void TSkinDateTime::AfterAttach() {
    FButton = std::make_unique<TArrowButton>(Skin(), Handle());
    FButton->Follow();
}

void TSkinDateTime::BeforeDetach() { FButton.reset(); }

void TSkinDateTime::Refresh() {
    TSkinControl::Refresh();
    if (FButton) FButton->Repaint();
}

void TSkinDateTime::AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    TSkinControl::AfterMessage(message, wParam, lParam, result);
    if (!FButton) return;
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
