#include "skin/mediaplayer/SkinMP.h"

bool TSkinMP::Serves(TWinControl* control) { return dynamic_cast<TMediaPlayer*>(control) != nullptr; }

void TSkinMP::AfterAttach() {
    FPanel = std::make_unique<TMediaPlayerPanel>(Skin(), dynamic_cast<TMediaPlayer&>(*Control()));
    FPanel->Follow();
}

void TSkinMP::BeforeDetach() { FPanel.reset(); }

void TSkinMP::AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_SIZE:
    case WM_ENABLE:
    case SkinNotification::EnabledChanged:
        if (FPanel) FPanel->Follow();
        break;
    }
    TSkinControl::AfterMessage(message, wParam, lParam, result);
}

void TSkinMP::Refresh() {
    TSkinControl::Refresh();
    if (FPanel && PaintingEnabled()) FPanel->Follow();
}

void TSkinMP::PaintingSwitched() {
    if (!FPanel) return;
    if (PaintingEnabled())
        FPanel->Follow();
    else
        FPanel->Hide();
}
