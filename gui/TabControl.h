#pragma once
#include <string>
#include <vector>

#include "gui/WinControl.h"

// A row of tabs over a pane; TabIndex is the chosen tab, -1 for none.
class TTabControl : public TWinControl {
public:
    struct Args {
        TBounds Bounds;
        std::vector<std::string> Tabs;  // GBK captions
        int TabIndex = 0;
        const wchar_t* ClassName = L"TTabControl";  // the framework class it stands for
    };
    void Create(TWinControl& parent, const Args& args);

    const std::vector<std::string>& Tabs() const { return FTabs; }
    void AddTab(const std::string& caption);
    int TabIndex() const;
    void SetTabIndex(int index);

    TNotifyEvent OnChange;  // the user chose another tab

protected:
    LRESULT Notify(NMHDR& header) override;

private:
    std::vector<std::string> FTabs;
};
