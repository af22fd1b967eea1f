#include "skin/frame/FramePainting.h"

#include "skin/data/SkinGdi.h"
#include "skin/draw/ElementDrawing.h"
#include "skin/draw/Offscreen.h"
#include "skin/frame/CaptionButtonRow.h"
#include "skin/frame/WindowRegion.h"
#include "skin/manager/SkinMessages.h"
#include "skin/menu/SkinMenuBar.h"

namespace {
void DrawPicture(HDC dc, const PixelBuffer& picture, Rect at) {
    if (at.Empty()) return;
    TOffscreen part(at.Width, at.Height);
    part.Draw(picture, 0, 0);
    part.CopyTo(dc, at.Left, at.Top);
}
}  // namespace

TFramePainting::TFramePainting(const TFrameWindow& window, TCaptionButtonRow& buttons)
    : FWindow(window), FButtons(buttons) {}

void TFramePainting::PaintFrame() {
    TWindowDC dc(FWindow.Handle, TWindowDC::Whole);
    PaintInto(dc.Get());
}

void TFramePainting::PaintCaption() {
    if (!FWindow.Paints()) return;
    TWindowDC dc(FWindow.Handle, TWindowDC::Whole);
    PaintCaptionInto(dc.Get(), LayoutFrameParts(FWindow.WindowSize(), FWindow.Metrics));
}

void TFramePainting::PaintInto(HDC windowDC) {
    if (!FWindow.Paints()) return;
    FrameParts parts = LayoutFrameParts(FWindow.WindowSize(), FWindow.Metrics);
    PaintBorders(windowDC, parts);
    PaintCaptionInto(windowDC, parts);
    PaintMenuBar(windowDC, parts);
}

void TFramePainting::PaintBorders(HDC windowDC, const FrameParts& parts) {
    struct Side {
        const TSkinFrameBorder& border;
        Rect area;
    };
    const TSkinData& skin = FWindow.Skin;
    for (const Side& side : {Side{skin.Left, parts.Left}, Side{skin.Right, parts.Right}, Side{skin.Bottom, parts.Bottom}}) {
        int state = BorderState(FWindow.Active, side.border.FrameCount);
        DrawPicture(windowDC, ComposeElement(side.border.Picture(), state, side.area.Width, side.area.Height), side.area);
    }
}

void TFramePainting::PaintCaptionInto(HDC windowDC, const FrameParts& parts) {
    const Rect& area = parts.Caption;
    if (area.Empty()) return;
    TOffscreen caption(area.Width, area.Height);
    if (FWindow.State == WindowState::Minimised) {
        caption.Fill(ToColorRef(FWindow.Skin.Colours.ButtonFace));
    } else {
        int state = BorderState(FWindow.Active, FWindow.Skin.Top.FrameCount);
        DrawElement(caption, {0, 0, area.Width, area.Height}, FWindow.Skin.Top.Picture(), state);
    }
    CaptionLayout layout = CurrentCaptionLayout(caption.DC());
    DrawCaptionText(caption, layout, area.Left);
    DrawCaptionButtons(caption, layout, area.Left);
    caption.CopyTo(windowDC, area.Left, area.Top);
}

CaptionButtonWindow TFramePainting::ButtonWindow() const {
    CaptionButtonWindow window{FWindow.Flags, FWindow.State, FWindow.Active};
    HWND handle = FWindow.Handle;
    window.AskWindow = [handle](int code, int action) {
        return int(SendMessageW(handle, SkinMessage::AskVisibility, WPARAM(code), LPARAM(action)));
    };
    return window;
}

CaptionLayout TFramePainting::CurrentCaptionLayout(HDC measuring) const {
    std::wstring text = FWindow.CaptionText();
    TSelection font(measuring, SkinGdiOf(FWindow.Skin).CaptionFont());
    SIZE extent = {};
    GetTextExtentPoint32W(measuring, text.c_str(), int(text.size()), &extent);
    return LayoutCaption(FWindow.Skin, {FWindow.WindowSize(), FWindow.Metrics, int(extent.cx), int(extent.cy)},
                         ButtonWindow());
}

void TFramePainting::DrawCaptionText(TOffscreen& caption, const CaptionLayout& layout, int left) {
    const TSkinData& skin = FWindow.Skin;
    const TSkinTitleElement& title = skin.Title;
    bool active = FWindow.Active;
    if (!title.Image.Empty() && !layout.Text.TextBackRect.Empty()) {
        Rect back = layout.Text.TextBackRect;
        ElementPicture picture = title.Picture();
        picture.LeftWidth = title.TextBackLeft;
        picture.RightWidth = title.TextBackRight;
        DrawElement(caption, {back.Left - left, back.Top, back.Width, back.Height}, picture, active ? 1 : 2);
    }
    TColor colour = active ? title.ActiveTextColour : title.InactiveTextColour;
    if (colour == kNoColor) colour = active ? skin.Colours.TitleTextActive : skin.Colours.TitleTextNoActive;
    HDC dc = caption.DC();
    TSelection font(dc, SkinGdiOf(FWindow.Skin).CaptionFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(colour));
    std::wstring text = FWindow.CaptionText();
    Rect at = layout.Text.TextRect;
    RECT box = {at.Left - left, at.Top, at.Left - left + at.Width, at.Top + at.Height};
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
    if (FWindow.Flags.RightToLeft) format |= DT_RIGHT | DT_RTLREADING;
    DrawTextW(dc, text.c_str(), int(text.size()), &box, format);
}

// Each button in the state the mouse gives it; system-icon buttons show
// the window's icon instead of their image.
void TFramePainting::DrawCaptionButtons(TOffscreen& caption, const CaptionLayout& layout, int left) {
    FButtons.Place(layout.Buttons);
    const std::vector<TSkinSysButtonElement>& elements = FWindow.Skin.CaptionButtons;
    for (size_t i = 0; i < layout.Buttons.size() && i < elements.size(); ++i) {
        const CaptionButtonLayout& button = layout.Buttons[i];
        const Rect& bounds = button.Bounds;
        if (!button.Visible || bounds.Empty()) continue;
        int x = bounds.Left - left, y = bounds.Top;
        if (DrawsWindowIcon(elements[i])) {
            Rect icon = {x + (bounds.Width - FSmallIcon.Width()) / 2, y + (bounds.Height - FSmallIcon.Height()) / 2,
                         FSmallIcon.Width(), FSmallIcon.Height()};
            DrawElement(caption, icon, KeyedPicture(FSmallIcon), 1);
            continue;
        }
        int frame = CaptionButtonFrame(elements[i], FButtons.StateOf(int(i)), button.Enabled);
        DrawElement(caption, {x, y, bounds.Width, bounds.Height}, elements[i].Picture(), frame);
    }
}

void TFramePainting::PaintMenuBar(HDC windowDC, const FrameParts& parts) {
    if (parts.MenuBar.Empty()) return;
    if (FWindow.MenuBar) {
        FWindow.MenuBar->Paint(windowDC, parts.MenuBar, FWindow.Active);
        return;
    }
    RECT area = ToRECT(parts.MenuBar);
    FillRect(windowDC, &area, SkinGdiOf(FWindow.Skin).ButtonFaceBrush());
}

LRESULT TFramePainting::CalcSize(WPARAM wParam, LPARAM lParam) {
    RECT* proposed = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
    RECT window = *proposed;
    FWindow.PassOn(WM_NCCALCSIZE, wParam, lParam);
    if (!FWindow.DrawsFrame()) return wParam ? WVR_REDRAW : 0;
    RECT skinned = ToRECT(SkinnedClientRect(FromRECT(window), FWindow.Metrics));
    *proposed = skinned;
    if (!wParam) return 0;
    auto& params = *reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
    params.rgrc[1] = params.rgrc[2] = skinned;
    return WVR_REDRAW;
}

LRESULT TFramePainting::WithoutNativeCaption(const std::function<LRESULT()>& change) {
    HWND window = FWindow.Handle;
    LONG style = GetWindowLongW(window, GWL_STYLE);
    bool hide = FWindow.DrawsFrame() && (style & WS_CAPTION) == WS_CAPTION;
    if (hide) SetWindowLongW(window, GWL_STYLE, style & ~WS_DLGFRAME);
    LRESULT result = change();
    if (hide) SetWindowLongW(window, GWL_STYLE, GetWindowLongW(window, GWL_STYLE) | WS_DLGFRAME);
    return result;
}

void TFramePainting::UpdateRegion(bool force) {
    if (!FWindow.Paints()) return;
    Size size = FWindow.WindowSize();
    if (!force && size.Width == FRegionSize.cx && size.Height == FRegionSize.cy) return;
    FRegionSize = {size.Width, size.Height};
    SetWindowRgn(FWindow.Handle, SkinnedWindowRegion(FWindow.Skin, FWindow.Metrics, size).Release(), TRUE);
}

void TFramePainting::TakeSmallIcon() {
    HWND window = FWindow.Handle;
    HICON icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM));
    if (!icon) {
        FSmallIcon = SkinGdiOf(FWindow.Skin).ApplicationIcon();
        return;
    }
    int width = GetSystemMetrics(SM_CXSMICON), height = GetSystemMetrics(SM_CYSMICON);
    TOffscreen picture(width, height);
    picture.Fill(RGB(255, 0, 255));
    DrawIconEx(picture.DC(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    FSmallIcon = picture.Pixels();
}
