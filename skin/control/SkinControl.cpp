#include "skin/control/SkinControl.h"

#include "base/win32/Handles.h"
#include "gui/ControlMessages.h"
#include "gui/ParentBackground.h"
#include "skin/data/SkinGdi.h"
#include "skin/draw/Offscreen.h"
#include "skin/frame/SkinFrame.h"
#include "skin/manager/SkinMessages.h"
#include "skin/menu/SkinMenuItems.h"

namespace {
const int kParentBackgroundTag = 5555;
// Overlay windows lie beside the control (its parent's children) or on it
// (its own): its drawing is kept out of both.
const LONG kOverlayClipping = WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

bool IsCustomDraw(UINT message, LPARAM lParam) {
    return message == CN_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == NM_CUSTOMDRAW;
}

// The visible child windows paint themselves; a copy over the control
// leaves them out.
void LeaveOutChildren(HWND window, HDC dc) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        RECT bounds;
        GetWindowRect(child, &bounds);
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&bounds), 2);
        ExcludeClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
    }
}

// The frame's depth is asked for again (a Border skinner may widen it).
void FrameChanged(HWND window) {
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

SIZE WindowSize(HWND window) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}
}  // namespace

TSkinControl::TSkinControl(TSkinFrame& frame) : FFrame(frame) {}

TSkinControl::~TSkinControl() {
    if (FState == Attached) Detach();
}

TSkinData& TSkinControl::Skin() const { return FFrame.Skin(); }

bool TSkinControl::Attach(const TSkinTarget& target, TPainting painting, bool recolour) {
    FTarget = target;
    FPainting = painting;
    FRecolour = recolour && target.Control;
    if (!TSubclass::Attach(target.Window)) return false;
    FParentBackground = WantsParentBackground();
    if (FRecolour) {
        FColorBefore = Control()->Color();
        Recolour();
    }
    if (FPainting == TPainting::Overlay) KeepDrawingFromUnderOverlays(true);
    FState = Attached;
    if (FPainting == TPainting::Border) FrameChanged(Handle());
    AfterAttach();
    if (FState != Attached) return false;
    if (Control()) SendMessageW(FFrame.Window(), SkinMessage::ControlAttention, reinterpret_cast<WPARAM>(Handle()), 0);
    Repaint();
    return FState == Attached;
}

void TSkinControl::Detach() {
    bool wasAttached = FState == Attached;
    HWND window = Handle();
    if (wasAttached) {
        if (FTracker) FTracker->Cancel();
        BeforeDetach();
        if (FRecolour) Control()->SetColor(FColorBefore);
        KeepDrawingFromUnderOverlays(false);
    }
    if (FState != Dead) FState = Created;
    TSubclass::Detach();
    // The native look comes back at once.
    if (!wasAttached || !IsWindow(window)) return;
    if (FPainting == TPainting::Border) FrameChanged(window);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TSkinControl::Refresh() {
    if (FRecolour) Recolour();
    Repaint();
}

void TSkinControl::Recolour() { Control()->SetColor(ToColorRef(Skin().Colours.ButtonFace)); }

void TSkinControl::KeepDrawingFromUnderOverlays(bool keep) {
    LONG style = GetWindowLongW(Handle(), GWL_STYLE);
    if (keep) {
        FClippingAdded = kOverlayClipping & ~style;
        SetWindowLongW(Handle(), GWL_STYLE, style | FClippingAdded);
    } else if (FClippingAdded) {
        SetWindowLongW(Handle(), GWL_STYLE, style & ~FClippingAdded);
        FClippingAdded = 0;
    }
}

void TSkinControl::TrackPresses(TPressTracker::Args args) { FTracker = std::make_unique<TPressTracker>(std::move(args)); }

TPressLook TSkinControl::PressLook() const { return FTracker ? FTracker->Look() : TPressLook{}; }

// Painting off: everything goes straight to the control. The switch itself
// (message 13574) repaints when painting comes back on.
LRESULT TSkinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == SkinMessage::PaintingSwitch) {
        SwitchPainting(wParam > 0);
        return 0;
    }
    if (message == WM_NCDESTROY) {
        LRESULT result = CallDefault(message, wParam, lParam);
        FPaintingEnabled = false;
        FState = Dead;
        Detach();
        return result;
    }
    if (!FPaintingEnabled) return CallDefault(message, wParam, lParam);
    if (message == SkinMessage::Query) return 1;
    if (FTracker && FTracker->Track(Handle(), message, wParam, lParam)) return 0;
    LRESULT result = 0;
    if (TakeSystemsMenu(message, lParam, result)) return result;
    if (!BeforeMessage(message, wParam, lParam, result)) return result;
    if (TakePaintMessage(message, wParam, lParam, result)) return result;
    bool changes = ChangesLook(message);
    result = changes && HoldsDrawing() ? CallHeld(message, wParam, lParam) : CallDefault(message, wParam, lParam);
    // The message may have ended the skinning or the window.
    if (FState != Attached) return result;
    if (FTracker) FTracker->Handled(Handle(), message);
    AfterMessage(message, wParam, lParam, result);
    if (changes) Repaint();
    return result;
}

// The system's own menus that the control opens (an edit box's context
// menu) are owner-drawn in the skin's look (the manager sees to it); their
// items come here to be measured and drawn.
bool TSkinControl::TakeSystemsMenu(UINT message, LPARAM lParam, LRESULT& result) {
    result = TRUE;
    if (message == WM_MEASUREITEM) {
        auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        return measure.CtlType == ODT_MENU && MeasureSystemsMenuItem(Skin(), measure);
    }
    if (message == WM_DRAWITEM) {
        auto& draw = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        return draw.CtlType == ODT_MENU && DrawSystemsMenuItem(Skin(), draw);
    }
    return false;
}

void TSkinControl::SwitchPainting(bool enabled) {
    FPaintingEnabled = enabled;
    if (!enabled && FTracker) FTracker->Cancel();
    PaintingSwitched();
    if (FPainting == TPainting::Border) FrameChanged(Handle());
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

bool TSkinControl::TakePaintMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (FPainting) {
    case TPainting::Replaced:
    case TPainting::OverNative:
    case TPainting::CustomDraw:
        switch (message) {
        case WM_ERASEBKGND:  // the canvas covers the whole client area
            result = 1;
            return true;
        case WM_PRINTCLIENT:
            PaintClient(reinterpret_cast<HDC>(wParam));
            return true;
        case WM_PAINT:
            if (wParam) {
                PaintClient(reinterpret_cast<HDC>(wParam));
            } else {
                TPaintScope paint(Handle());
                PaintClient(paint.Get());
            }
            return true;
        }
        if (FPainting == TPainting::CustomDraw && IsCustomDraw(message, lParam)) {
            result = CustomDraw(*reinterpret_cast<NMCUSTOMDRAW*>(lParam));
            return true;
        }
        return false;
    case TPainting::Border:
        if (message == WM_NCPAINT) {
            PaintBorder(reinterpret_cast<HRGN>(wParam));
            return true;
        }
        if (message == WM_PRINT && (lParam & PRF_NONCLIENT)) {
            result = CallDefault(message, wParam, lParam);
            DrawBorder(reinterpret_cast<HDC>(wParam));
            return true;
        }
        return false;
    case TPainting::UnderNative:
        if (message != WM_ERASEBKGND) return false;
        PaintUnder(reinterpret_cast<HDC>(wParam));
        result = 1;
        return true;
    case TPainting::Overlay:
        return false;
    }
    return false;
}

void TSkinControl::PaintInto(HDC dc) {
    if (FPainting == TPainting::Border)
        DrawBorder(dc);
    else if (FPainting == TPainting::UnderNative)
        PaintUnder(dc);
    else
        PaintClient(dc);
}

void TSkinControl::PaintClient(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    TOffscreen& canvas = Canvas(client.right, client.bottom);
    PaintBackground(canvas);
    if (FPainting != TPainting::Replaced) {
        WPARAM canvasDC = reinterpret_cast<WPARAM>(canvas.DC());
        CallDefault(WM_ERASEBKGND, canvasDC, 0);
        CallDefault(WM_PRINTCLIENT, canvasDC, PRF_CLIENT);
    }
    RunGuarded([&] { Draw(canvas); });
    TSavedDC saved(dc);
    LeaveOutChildren(Handle(), dc);
    canvas.CopyTo(dc, 0, 0);
}

TRegion TSkinControl::SkinnedFramePart() const {
    SIZE size = WindowSize(Handle());
    int depth = BorderDepth();
    TRegion ring(CreateRectRgn(0, 0, size.cx, size.cy));
    TRegion inside(CreateRectRgn(depth, depth, size.cx - depth, size.cy - depth));
    CombineRgn(ring.Get(), ring.Get(), inside.Get(), RGN_DIFF);
    return ring;
}

// The control paints the frame but for the skin's part (the system keeps
// it off the client area), then the skin paints its part alone.
void TSkinControl::PaintBorder(HRGN update) {
    RECT window;
    GetWindowRect(Handle(), &window);
    TRegion rest(CreateRectRgnIndirect(&window));
    TRegion skinned = SkinnedFramePart();
    OffsetRgn(skinned.Get(), window.left, window.top);
    CombineRgn(rest.Get(), rest.Get(), skinned.Get(), RGN_DIFF);
    if (update && update != HRGN(1)) CombineRgn(rest.Get(), rest.Get(), update, RGN_AND);
    CallDefault(WM_NCPAINT, reinterpret_cast<WPARAM>(rest.Get()), 0);
    TWindowDC dc(Handle(), TWindowDC::Whole);
    DrawBorder(dc.Get());
}

void TSkinControl::DrawBorder(HDC windowDC) {
    SIZE size = WindowSize(Handle());
    if (size.cx <= 0 || size.cy <= 0) return;
    TOffscreen& canvas = Canvas(size.cx, size.cy);
    RunGuarded([&] { Draw(canvas); });
    TSavedDC saved(windowDC);
    ExtSelectClipRgn(windowDC, SkinnedFramePart().Get(), RGN_AND);
    canvas.CopyTo(windowDC, 0, 0);
}

void TSkinControl::PaintUnder(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    TOffscreen& canvas = Canvas(client.right, client.bottom);
    PaintBackground(canvas);
    RunGuarded([&] { Draw(canvas); });
    canvas.CopyTo(dc, 0, 0);
}

// A control that draws into its own device context while a message runs
// draws into an invisible window instead; the skin's picture follows. The
// ways that leave the control's own picture where it is hold nothing.
bool TSkinControl::HoldsDrawing() const {
    bool skinPaints = FPainting != TPainting::UnderNative && FPainting != TPainting::Overlay;
    return skinPaints && (GetWindowLongW(Handle(), GWL_STYLE) & WS_VISIBLE);
}

LRESULT TSkinControl::CallHeld(UINT message, WPARAM wParam, LPARAM lParam) {
    CallDefault(WM_SETREDRAW, FALSE, 0);
    LRESULT result = CallDefault(message, wParam, lParam);
    if (FState == Attached) CallDefault(WM_SETREDRAW, TRUE, 0);
    return result;
}

bool TSkinControl::BeforeMessage(UINT, WPARAM, LPARAM, LRESULT&) { return true; }

void TSkinControl::AfterMessage(UINT, WPARAM, LPARAM, LRESULT&) {}

void TSkinControl::Draw(TOffscreen&) {}

LRESULT TSkinControl::CustomDraw(NMCUSTOMDRAW&) { return CDRF_DODEFAULT; }

bool TSkinControl::ChangesLook(UINT message) const {
    if (FPainting == TPainting::Border) return false;
    switch (message) {
    case WM_SETTEXT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_UPDATEUISTATE:
    case SkinNotification::EnabledChanged:
        return true;
    }
    return false;
}

void TSkinControl::WindowDestroyed() { FState = Dead; }

// Held drawing validated the children too; they paint afresh with it. A
// border is the skin's alone: it is drawn again as it is.
void TSkinControl::Repaint() {
    if (!Handle()) return;
    if (FPainting == TPainting::Border) {
        TWindowDC dc(Handle(), TWindowDC::Whole);
        DrawBorder(dc.Get());
        return;
    }
    UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN;
    if (FPainting == TPainting::UnderNative) flags |= RDW_ERASE;
    RedrawWindow(Handle(), nullptr, nullptr, flags);
}

void TSkinControl::PaintParentBackground(HDC dc) { ::PaintParentBackground(Handle(), dc); }

void TSkinControl::PaintBackground(TOffscreen& canvas, POINT from) {
    if (!FParentBackground) {
        canvas.Fill(ToColorRef(Skin().Colours.ButtonFace));
        return;
    }
    TSavedDC saved(canvas.DC());
    SetViewportOrgEx(canvas.DC(), -from.x, -from.y, nullptr);
    PaintParentBackground(canvas.DC());
}

HFONT TSkinControl::ControlFont() const {
    if (Control()) return Control()->Font().Handle();
    auto font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    // A window that was never given a font writes in the system font.
    return font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

COLORREF TSkinControl::ControlTextColour() const {
    if (Control() && Control()->Font().Color != CLR_DEFAULT) return Control()->Font().Color;
    return ToColorRef(Skin().Colours.ButtonText);
}

bool TSkinControl::WantsParentBackground() const {
    return (Control() && Control()->Tag == kParentBackgroundTag) || Skin().Options.test(soTransparent);
}

TOffscreen& TSkinControl::Canvas(int width, int height) {
    if (!FCanvas || FCanvas->Width() != width || FCanvas->Height() != height)
        FCanvas = std::make_unique<TOffscreen>(width, height);
    return *FCanvas;
}

std::wstring TSkinControl::Caption() const {
    int length = GetWindowTextLengthW(Handle());
    std::wstring text(size_t(length) + 1, L'\0');
    text.resize(GetWindowTextW(Handle(), text.data(), length + 1));
    return text;
}
