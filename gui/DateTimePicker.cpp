#include "gui/DateTimePicker.h"

#include "gui/CommonControls.h"

void TDateTimePicker::Create(TWinControl& parent, const Args& args) {
    UseCommonControls(ICC_DATE_CLASSES);
    CreateChild(parent, {L"TDateTimePicker", DATETIMEPICK_CLASSW, WS_TABSTOP | DTS_SHORTDATEFORMAT, 0, args.Bounds},
                false);
    SetDate(args.Date);
}

TDate TDateTimePicker::Date() const {
    SYSTEMTIME time = {};
    SendMessageW(Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return {time.wYear, time.wMonth, time.wDay};
}

bool TDateTimePicker::SetDate(const TDate& date) {
    SYSTEMTIME time = {};
    time.wYear = WORD(date.Year);
    time.wMonth = WORD(date.Month);
    time.wDay = WORD(date.Day);
    return SendMessageW(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time)) != 0;
}

LRESULT TDateTimePicker::Notify(NMHDR& header) {
    if (header.code == DTN_DATETIMECHANGE) CallEvent(OnChange, this);
    return 0;
}
