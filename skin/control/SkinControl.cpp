#include "skin/control/SkinControl.h"

#include "base/win32/Handles.h"
#include "skin/data/SkinGdi.h"
#include "skin/draw/Offscreen.h"
#include "skin/frame/SkinFrame.h"
#include "skin/manager/SkinMessages.h"

namespace {
const int kParentBackgroundTag = 5555;
}  // namespace

TSkinControl::TSkinControl(TSkinFrame& frame) : FFrame(frame) {}

TSkinControl::~TSkinControl() {
    if (FState == Attached) Detach();
}

TSkinData& TSkinControl::Skin() const { return FFrame.Skin(); }

void TSkinControl::Attach(TWinControl& control, bool recolour) {
    FControl = &control;
    FRecolour = recolour;
    if (!TSubclass::Attach(control.Handle())) return;
    FParentBackground = WantsParentBackground();
    if (FRecolour) {
        FColorBefore = control.Color();
        Recolour();
    }
    FState = Attached;
    TakePainting();
    SendMessageW(FFrame.Window(), SkinMessage::ControlAttention, reinterpret_cast<WPARAM>(Handle()), 0);
}

void TSkinControl::AttachWindow(HWND window) {
    if (!TSubclass::Attach(window)) return;
    ReadWindowText();
    FParentBackground = WantsParentBackground();
    FState = Attached;
    InvalidateRect(window, nullptr, TRUE);
}

void TSkinControl::ReadWindowText() {
    int length = GetWindowTextLengthW(Handle());
    FText.assign(size_t(length) + 1, L'\0');
    FText.resize(GetWindowTextW(Handle(), FText.data(), length + 1));
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
    case WM_SETTEXT:
        if (!FControl) ReadWindowText();
        Repaint();
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
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

void TSkinControl::PaintForMessage(WPARAM given) {
    if (given) {
        PaintWindow(reinterpret_cast<HDC>(given));
        return;
    }
    TPaintScope paint(Handle());
    PaintWindow(paint.Get());
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

HFONT TSkinControl::ControlFont() const {
    if (FControl) return FControl->Font().Handle();
    auto font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    // A window that was never given a font writes in the system font.
    return font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

COLORREF TSkinControl::ControlTextColour() const {
    if (FControl && FControl->Font().Color != CLR_DEFAULT) return FControl->Font().Color;
    return ToColorRef(Skin().Colours.ButtonText);
}

bool TSkinControl::WantsParentBackground() const {
    return (FControl && FControl->Tag == kParentBackgroundTag) || Skin().Options.test(soTransparent);
}

TOffscreen& TSkinControl::Offscreen(int width, int height) {
    if (!FOffscreen || FOffscreen->Width() != width || FOffscreen->Height() != height)
        FOffscreen = std::make_unique<TOffscreen>(width, height);
    return *FOffscreen;
}

void TSkinControl::PaintBackground(TOffscreen& canvas, POINT from) {
    if (!FParentBackground) {
        canvas.Fill(ToColorRef(Skin().Colours.ButtonFace));
        return;
    }
    TSavedDC saved(canvas.DC());
    SetViewportOrgEx(canvas.DC(), -from.x, -from.y, nullptr);
    PaintParentBackground(canvas.DC());
}

std::wstring TSkinControl::Caption() const {
    if (!FControl) return FText;
    int length = GetWindowTextLengthW(Handle());
    std::wstring text(size_t(length) + 1, L'\0');
    text.resize(GetWindowTextW(Handle(), text.data(), length + 1));
    return text;
}
