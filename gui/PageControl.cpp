#include "gui/PageControl.h"

#include <commctrl.h>

void TTabSheet::Create(TWinControl& pageControl, const TBounds& bounds, const wchar_t* className) {
    CreateChild(pageControl, {className, nullptr, WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, bounds}, false);
}

void TPageControl::Create(TWinControl& parent, const Args& args) {
    TTabControl::Create(
        parent, {.Bounds = args.Bounds, .Tabs = args.Pages, .TabIndex = args.PageIndex, .ClassName = args.ClassName});
    RECT display;
    GetClientRect(Handle(), &display);
    SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    for (size_t i = 0; i < args.Pages.size(); ++i) {
        FSheets.push_back(std::make_unique<TTabSheet>());
        TBounds place = {display.left, display.top, display.right - display.left, display.bottom - display.top};
        FSheets.back()->Create(*this, place, args.PageClassName);
    }
    ShowChosenSheet();
}

void TPageControl::SetPageIndex(int index) {
    SetTabIndex(index);
    ShowChosenSheet();
}

LRESULT TPageControl::Notify(NMHDR& header) {
    if (header.code == TCN_SELCHANGE) ShowChosenSheet();
    return TTabControl::Notify(header);
}

void TPageControl::ShowChosenSheet() {
    int chosen = TabIndex();
    for (int i = 0; i < SheetCount(); ++i) FSheets[size_t(i)]->SetVisible(i == chosen);
}
