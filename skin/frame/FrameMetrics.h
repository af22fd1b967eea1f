#pragma once
#include "skin/data/SkinData.h"
#include "skin/frame/FrameCoordinates.h"
#include "skin/frame/FrameStyle.h"

// Widths of the skin's borders around a window, and the height of the
// caption and the skinned menu bar.
struct FrameMetrics {
    int Left = 0, Caption = 0, Right = 0, Bottom = 0, MenuBar = 0;
};

// From one state of each border image; all 0 for a window without caption.
// menuBarHeight is the system's menu height when the window has a menu bar,
// else 0.
FrameMetrics ComputeFrameMetrics(const TSkinData& skin, BorderKind border, int menuBarHeight);

// Where the frame's parts lie in a window of the given size, in window
// coordinates; parts that do not fit are empty.
struct FrameParts {
    Rect Left, Right, Caption, Bottom, MenuBar, Client;
};
FrameParts LayoutFrameParts(Size window, const FrameMetrics& metrics);

// The state of a border image to draw: 1 while active or when the image
// holds one state, else 2 (inactive).
int BorderState(bool active, int frameCount);

// WM_NCCALCSIZE: the client rectangle of a window placed at `window`
// (screen or parent coordinates), never of negative size.
Rect SkinnedClientRect(Rect window, const FrameMetrics& metrics);

// Hit-test answers of the default window procedure that the frame changes.
namespace HitTest {
inline constexpr int Nowhere = 0;  // HTNOWHERE
inline constexpr int Caption = 2;  // HTCAPTION
inline constexpr int Menu = 5;     // HTMENU
}  // namespace HitTest

// WM_NCHITTEST: the answer for a point given in client coordinates, after
// the replaced procedure answered `nativeAnswer`. Only Nowhere and Caption
// change: below the top 3 pixels it is the caption, in the menu bar's rows
// the menu.
int SkinnedHitTest(int nativeAnswer, Point clientPoint, const FrameMetrics& metrics);

// Window size that keeps a client area (without any menu bar) of the given
// size inside the skin's borders, caption and menu bar.
Size SkinnedWindowSize(Size client, const FrameMetrics& metrics);

// A dialog box widened so that its caption text fits.
struct DialogWidening {
    int Width = 0;       // the new window width
    int ChildShift = 0;  // every child window moves this far right
};
// captionTextWidth is the caption text measured in the caption font; the
// window never grows beyond maxWidth (the screen's width).
DialogWidening WidenDialogForCaption(int windowWidth, int captionTextWidth, const TSkinTitleElement& title,
                                     int maxWidth);
