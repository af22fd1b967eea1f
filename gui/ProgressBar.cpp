#include "gui/ProgressBar.h"

#include "gui/CommonControls.h"

void TProgressBar::Create(TWinControl& parent, const Args& args) {
    UseCommonControls(ICC_PROGRESS_CLASS);
    FOrientation = args.Orientation;
    DWORD style = (args.Orientation == TOrientation::Vertical ? PBS_VERTICAL : 0) | (args.Smooth ? PBS_SMOOTH : 0);
    CreateChild(parent, {L"TProgressBar", PROGRESS_CLASSW, style, 0, args.Bounds}, false);
    SetRange(args.Min, args.Max);
    SetPosition(args.Position);
}

int TProgressBar::Position() const { return int(SendMessageW(Handle(), PBM_GETPOS, 0, 0)); }

void TProgressBar::SetRange(int min, int max) {
    FRange = OrderedRange(min, max);
    SendMessageW(Handle(), PBM_SETRANGE32, FRange.Min, FRange.Max);
}

void TProgressBar::SetPosition(int position) {
    SendMessageW(Handle(), PBM_SETPOS, position, 0);
}
