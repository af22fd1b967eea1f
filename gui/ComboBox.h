#pragma once
#include <string>
#include <vector>

#include "gui/WinControl.h"

enum class TComboBoxStyle { DropDown, DropDownList };

// A box with a list that drops down. Bounds.Height is the height of the box
// with its list dropped down.
class TComboBox : public TWinControl {
public:
    struct Args {
        TBounds Bounds;
        std::vector<std::string> Items;  // GBK
        int ItemIndex = -1;
        TComboBoxStyle Style = TComboBoxStyle::DropDownList;
    };
    void Create(TWinControl& parent, const Args& args);

    void AddItem(const std::string& item);
    int ItemCount() const;
    // The chosen item, -1 for none.
    int ItemIndex() const;
    void SetItemIndex(int index);

    TNotifyEvent OnChange;  // the user chose another item

protected:
    void Command(WORD notifyCode) override;
};
