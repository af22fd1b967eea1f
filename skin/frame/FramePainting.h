#pragma once
#include <windows.h>

#include <functional>

#include "skin/draw/PixelBuffer.h"
#include "skin/frame/CaptionLayout.h"
#include "skin/frame/FrameWindow.h"

class TCaptionButtonRow;
class TOffscreen;

// The skin's non-client area of one window as it is painted: the borders,
// the caption with its text and buttons, and the menu bar's strip, each
// composed off-screen and copied in one piece; the room they take from the
// client area; and the window region cut from the borders' transparent parts.
class TFramePainting {
public:
    TFramePainting(const TFrameWindow& window, TCaptionButtonRow& buttons);

    // Repaints the whole frame, or only the caption.
    void PaintFrame();
    void PaintCaption();
    // The whole frame into a device context of the whole window.
    void PaintInto(HDC windowDC);

    // WM_NCCALCSIZE: the client area inside the skin's borders.
    LRESULT CalcSize(WPARAM wParam, LPARAM lParam);
    // The system paints its own caption when a window's text or icon
    // changes; the change runs while the window shows no caption style.
    LRESULT WithoutNativeCaption(const std::function<LRESULT()>& change);
    // The region again when the window's size changed, or always (force).
    void UpdateRegion(bool force);
    // The window's small icon (or the program's), as the system-icon button shows it.
    void TakeSmallIcon();

private:
    CaptionLayout CurrentCaptionLayout(HDC measuring) const;
    CaptionButtonWindow ButtonWindow() const;
    void PaintBorders(HDC windowDC, const FrameParts& parts);
    void PaintCaptionInto(HDC windowDC, const FrameParts& parts);
    void DrawCaptionText(TOffscreen& caption, const CaptionLayout& layout, int left);
    void DrawCaptionButtons(TOffscreen& caption, const CaptionLayout& layout, int left);
    void PaintMenuBar(HDC windowDC, const FrameParts& parts);

    const TFrameWindow& FWindow;
    TCaptionButtonRow& FButtons;
    SIZE FRegionSize = {-1, -1};
    PixelBuffer FSmallIcon;
};
