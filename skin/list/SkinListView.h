#pragma once
#include "skin/scrollbar/SkinScrollbar.h"

// The scroll bars of a list view drawn from the skin, as a memo's are. A
// list scrolls and changes its range without telling itself of it by a
// scroll message: by the keyboard, as rows come and go, as its selection
// is made visible; the panels follow each of those too.
class TSkinListView : public TSkinScrollbar {
public:
    using TSkinScrollbar::TSkinScrollbar;

protected:
    void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};
