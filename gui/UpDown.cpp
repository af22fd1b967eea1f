#include "gui/UpDown.h"

#include "gui/CommonControls.h"

void TUpDown::Create(TWinControl& parent, const Args& args) {
    UseCommonControls(ICC_UPDOWN_CLASS);
    FOrientation = args.Orientation;
    FAssociate = args.Associate;
    DWORD style = UDS_ARROWKEYS | UDS_SETBUDDYINT | UDS_NOTHOUSANDS |
                  (args.Orientation == TOrientation::Horizontal ? UDS_HORZ : 0) |
                  (args.Associate ? UDS_ALIGNRIGHT : 0);
    CreateChild(parent, {L"TUpDown", UPDOWN_CLASSW, style, 0, args.Bounds}, false);
    if (FAssociate) SendMessageW(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(FAssociate->Handle()), 0);
    SetRange(args.Min, args.Max);
    SetPosition(args.Position);
}

int TUpDown::Position() const { return int(SendMessageW(Handle(), UDM_GETPOS32, 0, 0)); }

void TUpDown::SetRange(int min, int max) {
    FRange = OrderedRange(min, max);
    SendMessageW(Handle(), UDM_SETRANGE32, FRange.Min, FRange.Max);
}

void TUpDown::SetPosition(int position) {
    SendMessageW(Handle(), UDM_SETPOS32, 0, position);
}

void TUpDown::Scroll(UINT, WORD code, WORD) {
    if (code != SB_ENDSCROLL) CallEvent(OnChange, this);
}
