#pragma once
#include <memory>

#include "skin/combobox/ArrowButton.h"
#include "skin/control/SkinControl.h"

// Date pickers: the skin's combo arrow on the drop-down button, through a
// TArrowButton that lies over it; the picker paints its date itself.
class TSkinDateTime : public TSkinControl {
public:
    using TSkinControl::TSkinControl;

    // The skin has the arrow the button shows.
    static bool CanSkin(const TSkinData& skin);
    void Refresh() override;
    TArrowButton* Button() const { return FButton.get(); }

protected:
    void AfterAttach() override;
    void BeforeDetach() override;
    void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void PaintingSwitched() override;

private:
    std::unique_ptr<TArrowButton> FButton;
};
