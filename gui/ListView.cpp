#include "gui/ListView.h"

#include "base/win32/Win32Text.h"
#include "gui/CommonControls.h"

void TListView::Create(TWinControl& parent, const Args& args) {
    UseCommonControls(ICC_LISTVIEW_CLASSES);
    DWORD style = WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
    CreateChild(parent, {L"TListView", WC_LISTVIEWW, style, WS_EX_CLIENTEDGE, args.Bounds}, false);
    if (args.RowSelect) SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (const TListColumn& column : args.Columns) AddColumn(column);
    for (const std::vector<std::string>& texts : args.Items) AddItem(texts);
}

void TListView::AddColumn(const TListColumn& column) {
    std::wstring caption = Widen(column.Caption);
    LVCOLUMNW entry = {};
    entry.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    entry.pszText = caption.data();
    entry.cx = column.Width;
    entry.iSubItem = FColumns;
    SendMessageW(Handle(), LVM_INSERTCOLUMNW, FColumns, reinterpret_cast<LPARAM>(&entry));
    ++FColumns;
}

// Texts beyond the columns are left out.
void TListView::AddItem(const std::vector<std::string>& texts) {
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = ItemCount();
    std::wstring caption = texts.empty() ? std::wstring() : Widen(texts[0]);
    item.pszText = caption.data();
    int row = int(SendMessageW(Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0) return;
    for (int column = 1; column < int(texts.size()) && column < FColumns; ++column) {
        std::wstring text = Widen(texts[column]);
        LVITEMW sub = {};
        sub.iSubItem = column;
        sub.pszText = text.data();
        SendMessageW(Handle(), LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&sub));
    }
}

int TListView::ItemCount() const { return int(SendMessageW(Handle(), LVM_GETITEMCOUNT, 0, 0)); }

std::string TListView::ItemText(int item, int column) const {
    wchar_t buffer[512] = {};
    LVITEMW entry = {};
    entry.iSubItem = column;
    entry.pszText = buffer;
    entry.cchTextMax = 512;
    SendMessageW(Handle(), LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&entry));
    return Narrow(buffer);
}

int TListView::ItemIndex() const {
    return int(SendMessageW(Handle(), LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
}

// -1 clears the selection.
void TListView::SetItemIndex(int item) {
    LVITEMW state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(Handle(), LVM_SETITEMSTATE, WPARAM(-1), reinterpret_cast<LPARAM>(&state));
    if (item < 0 || item >= ItemCount()) return;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(Handle(), LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&state));
}

HWND TListView::HeaderHandle() const {
    return reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0));
}

LRESULT TListView::Notify(NMHDR& header) {
    if (header.code == LVN_ITEMCHANGED) {
        auto& change = reinterpret_cast<NMLISTVIEW&>(header);
        if ((change.uChanged & LVIF_STATE) && ((change.uOldState ^ change.uNewState) & LVIS_SELECTED))
            CallEvent(OnChange, this);
    }
    return 0;
}
