#include "gui/ProgressBar.h"

#include "gui/CommonControls.h"

void TProgressBar::Create(TWinControl& parent, const Args& args) {
    UseCommonControls(ICC_PROGRESS_CLASS);
    DWORD style = (args.Orientation == TOrientation::Vertical ? PBS_VERTICAL : 0) | (args.Smooth ? PBS_SMOOTH : 0);
    CreateRanged(parent, {L"TProgressBar", PROGRESS_CLASSW, style, 0, args.Bounds}, args.Orientation,
                 {args.Min, args.Max}, args.Position);
}

void TProgressBar::SendRange(TRange range) { SendMessageW(Handle(), PBM_SETRANGE32, range.Min, range.Max); }

void TProgressBar::SendPosition(int position) { SendMessageW(Handle(), PBM_SETPOS, position, 0); }

int TProgressBar::ReadPosition() const { return int(SendMessageW(Handle(), PBM_GETPOS, 0, 0)); }
