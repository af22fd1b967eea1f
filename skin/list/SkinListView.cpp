#include "skin/list/SkinListView.h"

#include <commctrl.h>

#include "gui/ControlMessages.h"

namespace {
// What the list tells its parent of rows that come, go or are chosen (and
// so made visible); not its drawing, which comes row by row.
bool RowsChanged(const NMHDR& header) {
    switch (header.code) {
    case LVN_ITEMCHANGED:
    case LVN_INSERTITEM:
    case LVN_DELETEITEM:
    case LVN_DELETEALLITEMS:
    case LVN_ENDSCROLL:
        return true;
    default:
        return false;
    }
}

// Messages after which the list may show other rows, or another number of
// them, than before.
bool MayMoveTheBars(UINT message, LPARAM lParam) {
    switch (message) {
    case CN_NOTIFY:
        return lParam && RowsChanged(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_KEYDOWN:
    case LVM_INSERTITEMA:
    case LVM_INSERTITEMW:
    case LVM_DELETEITEM:
    case LVM_DELETEALLITEMS:
    case LVM_SETITEMCOUNT:
    case LVM_SCROLL:
    case LVM_ENSUREVISIBLE:
    case LVM_SETCOLUMNWIDTH:
    case LVM_INSERTCOLUMNA:
    case LVM_INSERTCOLUMNW:
    case LVM_DELETECOLUMN:
        return true;
    default:
        return false;
    }
}
}  // namespace

void TSkinListView::AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    TSkinScrollbar::AfterMessage(message, wParam, lParam, result);
    if (MayMoveTheBars(message, lParam)) FollowBars();
}
