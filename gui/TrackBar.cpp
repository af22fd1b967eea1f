#include "gui/TrackBar.h"

#include "gui/CommonControls.h"

void TTrackBar::Create(TWinControl& parent, const Args& args) {
    UseCommonControls(ICC_BAR_CLASSES);
    DWORD style = WS_TABSTOP | TBS_AUTOTICKS | (args.Orientation == TOrientation::Vertical ? TBS_VERT : TBS_HORZ);
    CreateRanged(parent, {L"TTrackBar", TRACKBAR_CLASSW, style, 0, args.Bounds}, args.Orientation,
                 {args.Min, args.Max}, args.Position);
}

void TTrackBar::SendRange(TRange range) {
    SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, range.Min);
    SendMessageW(Handle(), TBM_SETRANGEMAX, TRUE, range.Max);
}

void TTrackBar::SendPosition(int position) { SendMessageW(Handle(), TBM_SETPOS, TRUE, position); }

int TTrackBar::ReadPosition() const { return int(SendMessageW(Handle(), TBM_GETPOS, 0, 0)); }

void TTrackBar::Scroll(UINT, WORD code, WORD) {
    if (code != TB_ENDTRACK) CallEvent(OnChange, this);
}
