#include "skin/win32/SkinControl.h"

#include "gui/Handles.h"
#include "skin/SkinMessages.h"
#include "skin/win32/SkinFrame.h"
#include "skin/win32/SkinGdi.h"

TSkinControl::TSkinControl(TSkinFrame& frame) : FFrame(frame) {}

TSkinControl::~TSkinControl() {
    if (FState == Attached) Detach();
}

TSkinData& TSkinControl::Skin() const { return FFrame.Skin(); }

void TSkinControl::Attach(TWinControl& control, bool recolour) {
    FControl = &control;
    FRecolour = recolour;
    if (!TSubclass::Attach(control.Handle())) return;
    if (FRecolour) {
        FColorBefore = control.Color();
        Recolour();
    }
    FState = Attached;
    TakePainting();
    SendMessageW(FFrame.Window(), SkinMessage::ControlAttention, reinterpret_cast<WPARAM>(Handle()), 0);
}

void TSkinControl::AttachWindow(HWND window) {
    int length = GetWindowTextLengthW(window);
    FText.assign(size_t(length) + 1, L'\0');
    FText.resize(GetWindowTextW(window, FText.data(), length + 1));
    if (!TSubclass::Attach(window)) return;
    FState = Attached;
    InvalidateRect(window, nullptr, TRUE);
}

void TSkinControl::Recolour() {
    if (FControl) FControl->SetColor(ToColorRef(Skin().Colours.ButtonFace));
}

// A framework control's painting comes to Draw while the skinner paints.
void TSkinControl::TakePainting() {
    if (!FControl || FPaintingTaken || !TakesClientPainting()) return;
    FPaintingTaken = true;
    FOwnPainting = FControl->ReplacePaint([this](HDC dc) {
        RECT client;
        GetClientRect(Handle(), &client);
        RunGuarded([&] { Draw(dc, client); });
    });
}

void TSkinControl::GiveBackPainting() {
    if (!FControl || !FPaintingTaken) return;
    FPaintingTaken = false;
    FControl->ReplacePaint(std::move(FOwnPainting));
}

void TSkinControl::Detach() {
    if (FControl && FState == Attached) {
        GiveBackPainting();
        if (FRecolour) FControl->SetColor(FColorBefore);
    }
    if (FState != Dead) FState = Created;
    TSubclass::Detach();
}

bool TSkinControl::BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == SkinMessage::Query) {
        result = 1;
        return false;
    }
    if (message == WM_NCDESTROY) {
        result = CallDefault(message, wParam, lParam);
        FPaintingEnabled = false;
        FState = Dead;
        Detach();
        return false;
    }
    return true;
}

void TSkinControl::AfterMessage(UINT message, WPARAM, LPARAM, LRESULT&) {
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case SkinNotification::EnabledChanged:
        Repaint();
        break;
    case WM_PAINT:
        // A bare window painted itself; the skin goes over it.
        if (!FControl) PaintWindow(nullptr);
        break;
    }
}

// Painting off: everything goes straight to the control. The switch itself
// (message 13574) repaints when painting comes back on.
LRESULT TSkinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == SkinMessage::PaintingSwitch) {
        FPaintingEnabled = wParam > 0;
        if (FPaintingEnabled) {
            TakePainting();
            Repaint();
        } else {
            GiveBackPainting();
        }
        PaintingSwitched();
        return 0;
    }
    if (!FPaintingEnabled && message != WM_NCDESTROY) return CallDefault(message, wParam, lParam);
    LRESULT result = 0;
    if (!BeforeMessage(message, wParam, lParam, result)) return result;
    result = CallDefault(message, wParam, lParam);
    AfterMessage(message, wParam, lParam, result);
    return result;
}

void TSkinControl::WindowDestroyed() { FState = Dead; }

void TSkinControl::PaintWindow(HDC dc) {
    RECT area;
    GetWindowRect(Handle(), &area);
    OffsetRect(&area, -area.left, -area.top);
    if (dc) {
        Draw(dc, area);
        return;
    }
    TWindowDC own(Handle());
    Draw(own.Get(), area);
}

void TSkinControl::Draw(HDC, const RECT&) {}

void TSkinControl::Refresh() {
    if (FRecolour) Recolour();
    Repaint();
}

void TSkinControl::Repaint() {
    if (!Handle()) return;
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
}

void TSkinControl::PaintParentBackground(HDC dc) {
    if (FControl) {
        FControl->PaintParentBackground(dc);
        return;
    }
    HWND parent = GetParent(Handle());
    POINT origin = {0, 0};
    MapWindowPoints(Handle(), parent, &origin, 1);
    TSavedDC saved(dc);
    OffsetViewportOrgEx(dc, -origin.x, -origin.y, nullptr);
    SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
}

std::wstring TSkinControl::Caption() const {
    if (!FControl) return FText;
    int length = GetWindowTextLengthW(Handle());
    std::wstring text(size_t(length) + 1, L'\0');
    text.resize(GetWindowTextW(Handle(), text.data(), length + 1));
    return text;
}
