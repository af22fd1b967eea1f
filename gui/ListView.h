#pragma once
#include <string>
#include <vector>

#include "gui/WinControl.h"

// One column of a report-style list: its header caption and width.
struct TListColumn {
    std::string Caption;  // GBK
    int Width = 80;
};

// A list in report style: a header of columns over rows of items, each row a
// caption and the texts of its further columns. The header is a window of
// the list's own (HeaderHandle).
class TListView : public TWinControl {
public:
    struct Args {
        TBounds Bounds;
        std::vector<TListColumn> Columns;
        std::vector<std::vector<std::string>> Items;  // GBK; one row per item
        bool RowSelect = true;                        // a click selects the whole row
    };
    void Create(TWinControl& parent, const Args& args);

    void AddColumn(const TListColumn& column);
    void AddItem(const std::vector<std::string>& texts);
    int ColumnCount() const { return FColumns; }
    int ItemCount() const;
    std::string ItemText(int item, int column) const;
    // The selected row, -1 for none.
    int ItemIndex() const;
    void SetItemIndex(int item);
    HWND HeaderHandle() const;

    TNotifyEvent OnChange;  // the selected row changed

protected:
    LRESULT Notify(NMHDR& header) override;

private:
    int FColumns = 0;
};
