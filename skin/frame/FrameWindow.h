#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "skin/data/SkinData.h"
#include "skin/frame/FrameMetrics.h"
#include "skin/frame/FrameStyle.h"

class TSkinMenuBar;

// One skinned window as the frame's painting and input see it: what the
// frame read when it attached, kept up to date by the frame as the window
// changes.
struct TFrameWindow {
    explicit TFrameWindow(TSkinData& skin) : Skin(skin) {}

    TSkinData& Skin;
    HWND Handle = nullptr;
    FrameFlags Flags;
    FrameMetrics Metrics;
    WindowState State = WindowState::Normal;
    bool Active = false;
    // The skin draws frames at all.
    bool Drawn = false;
    // Skinning is complete: the frame may paint.
    bool Skinned = false;
    // The bar the skin draws in place of the window's menu, when it has one.
    TSkinMenuBar* MenuBar = nullptr;
    // Hands a message to the window's own procedure.
    std::function<LRESULT(UINT, WPARAM, LPARAM)> PassOn;

    // The skin draws this window's non-client area: frames are drawn, and
    // the window has a caption; otherwise it keeps its native frame.
    bool DrawsFrame() const { return Drawn && Flags.Border != BorderKind::NoCaption; }
    // It draws it, and skinning is complete.
    bool Paints() const { return Skinned && DrawsFrame(); }
    Size WindowSize() const;
    // The window text with the two spaces the caption leaves after it.
    std::wstring CaptionText() const;
    // A point on the screen, in coordinates of the whole window.
    Point WindowPoint(POINT screen) const;
};
