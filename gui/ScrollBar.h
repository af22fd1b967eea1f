#pragma once
#include "gui/RangeControl.h"

// A scroll bar of its own (not the bar of a scrolling window): its thumb
// picks a Position from Min to Max, as long as PageSize says one page is.
class TScrollBar : public TRangeControl {
public:
    struct Args {
        TBounds Bounds;
        int Min = 0, Max = 100, Position = 0, PageSize = 10;
        TOrientation Orientation = TOrientation::Horizontal;
    };
    void Create(TWinControl& parent, const Args& args);

    int PageSize() const { return FPageSize; }
    void SetPageSize(int pageSize);

    TNotifyEvent OnChange;  // the user moved the thumb

protected:
    // The system only tells; moving the thumb is the bar's own job.
    void Scroll(UINT message, WORD code, WORD position) override;

private:
    void SendRange(TRange range) override;
    void SendPosition(int position) override;
    int ReadPosition() const override;
    int TrackPosition() const;

    int FPageSize = 10;
};
