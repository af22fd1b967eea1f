#include "gui/UpDown.h"

#include "gui/CommonControls.h"

void TUpDown::Create(TWinControl& parent, const Args& args) {
    UseCommonControls(ICC_UPDOWN_CLASS);
    FAssociate = args.Associate;
    DWORD style = UDS_ARROWKEYS | UDS_SETBUDDYINT | UDS_NOTHOUSANDS |
                  (args.Orientation == TOrientation::Horizontal ? UDS_HORZ : 0) |
                  (args.Associate ? UDS_ALIGNRIGHT : 0);
    CreateRanged(parent, {L"TUpDown", UPDOWN_CLASSW, style, 0, args.Bounds}, args.Orientation, {args.Min, args.Max},
                 args.Position);
    if (!FAssociate) return;
    SendMessageW(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(FAssociate->Handle()), 0);
    SetPosition(args.Position);  // for the associate to show it
}

void TUpDown::SendRange(TRange range) { SendMessageW(Handle(), UDM_SETRANGE32, range.Min, range.Max); }

void TUpDown::SendPosition(int position) { SendMessageW(Handle(), UDM_SETPOS32, 0, position); }

int TUpDown::ReadPosition() const { return int(SendMessageW(Handle(), UDM_GETPOS32, 0, 0)); }

void TUpDown::Scroll(UINT, WORD code, WORD) {
    if (code != SB_ENDSCROLL) CallEvent(OnChange, this);
}
