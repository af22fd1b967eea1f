#pragma once
#include "gui/WinControl.h"

// A calendar date.
struct TDate {
    int Year = 2000, Month = 1, Day = 1;

    bool operator==(const TDate&) const = default;
};

// A date box with a drop-down calendar.
class TDateTimePicker : public TWinControl {
public:
    struct Args {
        TBounds Bounds;
        TDate Date;
    };
    void Create(TWinControl& parent, const Args& args);

    TDate Date() const;
    // False, and the date shown stays, when there is no such day.
    bool SetDate(const TDate& date);

    TNotifyEvent OnChange;  // the user chose another date

protected:
    LRESULT Notify(NMHDR& header) override;
};
