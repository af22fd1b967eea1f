#pragma once
#include <memory>
#include <string>
#include <vector>

#include "gui/TabControl.h"

// One page of a page control: a plain container that fills the control's
// display area while its tab is chosen.
class TTabSheet : public TWinControl {
public:
    void Create(TWinControl& pageControl, const TBounds& bounds, const wchar_t* className);
};

// A tab control whose tabs each show one sheet, the chosen tab's.
class TPageControl : public TTabControl {
public:
    struct Args {
        TBounds Bounds;
        std::vector<std::string> Pages;  // GBK captions, one sheet each
        int PageIndex = 0;
        // The framework classes of the control and of its pages.
        const wchar_t* ClassName = L"TPageControl";
        const wchar_t* PageClassName = L"TTabSheet";
    };
    void Create(TWinControl& parent, const Args& args);

    TTabSheet& Sheet(int index) { return *FSheets.at(size_t(index)); }
    int SheetCount() const { return int(FSheets.size()); }
    void SetPageIndex(int index);

protected:
    LRESULT Notify(NMHDR& header) override;

private:
    void ShowChosenSheet();

    std::vector<std::unique_ptr<TTabSheet>> FSheets;
};
