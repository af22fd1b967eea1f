#pragma once
#include <memory>

#include "skin/combobox/ComboBoxLayout.h"
#include "skin/control/SkinControl.h"
#include "skin/scrollbar/ComboxScrollBar.h"

// Drop-down combo boxes: the skin's prepared combo picture (its sunk edge
// with the drop-down button) around the box, and ComboxArrow on the box's
// own button, each in its state: normal, hot, pressed (focused, or the list
// open), disabled. The box paints its item area (the text, its edit, the
// selection) itself, and the skin goes only around it.
class TSkinComBox : public TSkinControl {
public:
    explicit TSkinComBox(TSkinFrame& frame);

    // The skin has the prepared picture and the arrow cut from it.
    static bool SkinHasPicture(const TSkinData& skin);
    // The skinner of the box's drop-down list; null when there is none.
    TComboxScrollBar* ListBar() const { return FListBar.get(); }

protected:
    void AfterAttach() override;
    void BeforeDetach() override;
    void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Draw(TOffscreen& canvas) override;

private:
    enum TPart { DropButton = 0, Box = 1 };
    ComboParts Parts() const;
    ComboCondition Condition() const;
    int PartAt(POINT at) const;

    std::unique_ptr<TComboxScrollBar> FListBar;
};
