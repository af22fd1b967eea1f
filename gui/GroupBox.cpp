#include "gui/GroupBox.h"

#include "base/win32/Handles.h"
#include "base/win32/Win32Text.h"

namespace {
// Containers pass keyboard navigation on to their controls.
const DWORD kContainerStyle = WS_CLIPSIBLINGS;
const DWORD kContainerExStyle = WS_EX_CONTROLPARENT;
const int kCaptionIndent = 8;
}  // namespace

void TGroupBox::Create(TWinControl& parent, const Args& args) {
    CreateChild(parent, {L"TGroupBox", nullptr, kContainerStyle, kContainerExStyle, args.Bounds, CS_HREDRAW | CS_VREDRAW},
                false);
    SetText(args.Caption);
}

LRESULT TGroupBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = TWinControl::WndProc(message, wParam, lParam);
    if (message == WM_SETTEXT) Invalidate();
    return result;
}

// The background, then an etched frame whose top line runs through the
// middle of the caption.
void TGroupBox::Paint(HDC dc) {
    TWinControl::Paint(dc);
    TSelection font(dc, Font().Handle());
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    RECT frame;
    GetClientRect(Handle(), &frame);
    frame.top += metrics.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    std::wstring caption = Widen(Text());
    if (caption.empty()) return;
    SetBkColor(dc, BackgroundColor());
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    RECT text = {kCaptionIndent, 0, 0, metrics.tmHeight};
    DrawTextW(dc, caption.c_str(), int(caption.size()), &text, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    ExtTextOutW(dc, text.left, 0, ETO_OPAQUE, &text, caption.c_str(), UINT(caption.size()), nullptr);
}

void TPanel::Create(TWinControl& parent, const Args& args) {
    CreateChild(parent, {L"TPanel", nullptr, kContainerStyle, kContainerExStyle, args.Bounds, CS_HREDRAW | CS_VREDRAW},
                false);
}

// The background in a raised bevel.
void TPanel::Paint(HDC dc) {
    TWinControl::Paint(dc);
    RECT bevel;
    GetClientRect(Handle(), &bevel);
    DrawEdge(dc, &bevel, BDR_RAISEDINNER, BF_RECT);
}
