#include "gui/TrackBar.h"

#include "gui/CommonControls.h"

void TTrackBar::Create(TWinControl& parent, const Args& args) {
    UseCommonControls(ICC_BAR_CLASSES);
    FOrientation = args.Orientation;
    DWORD style = WS_TABSTOP | TBS_AUTOTICKS | (args.Orientation == TOrientation::Vertical ? TBS_VERT : TBS_HORZ);
    CreateChild(parent, {L"TTrackBar", TRACKBAR_CLASSW, style, 0, args.Bounds}, false);
    SetRange(args.Min, args.Max);
    SetPosition(args.Position);
}

int TTrackBar::Position() const { return int(SendMessageW(Handle(), TBM_GETPOS, 0, 0)); }

void TTrackBar::SetRange(int min, int max) {
    FRange = OrderedRange(min, max);
    SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, FRange.Min);
    SendMessageW(Handle(), TBM_SETRANGEMAX, TRUE, FRange.Max);
}

void TTrackBar::SetPosition(int position) {
    SendMessageW(Handle(), TBM_SETPOS, TRUE, position);
}

void TTrackBar::Scroll(UINT, WORD code, WORD) {
    if (code != TB_ENDTRACK) CallEvent(OnChange, this);
}
