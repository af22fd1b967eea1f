#include "skin/mediaplayer/SkinMP.h"

TSkinMP::~TSkinMP() {
    if (State() == Attached) Detach();
}

void TSkinMP::Attach(TWinControl& control, bool recolour) {
    auto* player = dynamic_cast<TMediaPlayer*>(&control);
    if (!player) return;
    TSkinControl::Attach(control, recolour);
    if (State() != Attached) return;
    FPanel = std::make_unique<TMediaPlayerPanel>(Skin(), *player);
    FPanel->Follow();
}

// A bare window of the class carries no button sets to read.
void TSkinMP::AttachWindow(HWND) {}

void TSkinMP::Detach() {
    FPanel.reset();
    TSkinControl::Detach();
}

void TSkinMP::AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_SIZE:
        case WM_ENABLE:
        case SkinNotification::EnabledChanged:
            if (FPanel && PaintingEnabled()) FPanel->Follow();
            break;
    }
    TSkinControl::AfterMessage(message, wParam, lParam, result);
}

// The panel covers the player; this is what a print of the player shows.
void TSkinMP::Draw(HDC dc, const RECT&) {
    if (FPanel) FPanel->DrawTo(dc);
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
