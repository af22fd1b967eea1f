#include "gui/TabControl.h"

#include "base/win32/Win32Text.h"
#include "gui/CommonControls.h"

void TTabControl::Create(TWinControl& parent, const Args& args) {
    UseCommonControls(ICC_TAB_CLASSES);
    CreateChild(parent, {args.ClassName, WC_TABCONTROLW, WS_TABSTOP | WS_CLIPSIBLINGS, 0, args.Bounds}, false);
    for (const std::string& caption : args.Tabs) AddTab(caption);
    SetTabIndex(args.TabIndex);
}

void TTabControl::AddTab(const std::string& caption) {
    std::wstring text = Widen(caption);
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(Handle(), TCM_INSERTITEMW, FTabs.size(), reinterpret_cast<LPARAM>(&item));
    FTabs.push_back(caption);
}

int TTabControl::TabIndex() const { return int(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0)); }

// An index outside the tabs chooses none.
void TTabControl::SetTabIndex(int index) {
    if (index < 0 || index >= int(FTabs.size())) index = -1;
    SendMessageW(Handle(), TCM_SETCURSEL, index, 0);
}

LRESULT TTabControl::Notify(NMHDR& header) {
    if (header.code == TCN_SELCHANGE) CallEvent(OnChange, this);
    return 0;
}
