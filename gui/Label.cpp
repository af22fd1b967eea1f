#include "gui/Label.h"

void TLabel::Create(TWinControl& parent, const Args& args) {
    FTransparent = args.Transparent;
    CreateChild(parent, {L"TLabel", L"STATIC", SS_LEFTNOWORDWRAP | SS_NOTIFY | SS_NOPREFIX, 0, args.Bounds},
                false);
    SetText(args.Caption);
}

void TLabel::Command(WORD notifyCode) {
    if (notifyCode == STN_CLICKED) CallEvent(OnClick, this);
}

HBRUSH TLabel::ControlColor(HDC dc) {
    TWinControl::ControlColor(dc);
    if (!FTransparent) return nullptr;
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}
