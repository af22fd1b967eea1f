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
    ~TSkinComBox() override;

    // The skin has the prepared picture and the arrow cut from it.
    static bool SkinHasPicture(const TSkinData& skin);

    void Attach(TWinControl& control, bool recolour) override;
    void AttachWindow(HWND window) override;
    void Detach() override;
    void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Draw(HDC dc, const RECT& area) override;

    // The skinner of the box's drop-down list; null when there is none.
    TComboxScrollBar* ListBar() const { return FListBar.get(); }

protected:
    bool TakesClientPainting() const override { return false; }

private:
    ComboParts Parts() const;
    ComboCondition Condition() const;
    void MouseMoved(POINT at);
    void MouseLeft();
    void AttachListBar();

    bool FHot = false;
    bool FHotButton = false;
    std::unique_ptr<TComboxScrollBar> FListBar;
};
