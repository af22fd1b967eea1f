#pragma once
#include <memory>

#include "skin/combobox/ArrowButton.h"
#include "skin/control/SkinControl.h"

// Date pickers: the skin's combo arrow on the drop-down button, through a
// TArrowButton that lies over it; the picker paints its date itself.
class TSkinDateTime : public TSkinControl {
public:
    explicit TSkinDateTime(TSkinFrame& frame);
    ~TSkinDateTime() override;

    // The skin has the arrow the button shows.
    static bool CanSkin(const TSkinData& skin);

    void Attach(TWinControl& control, bool recolour) override;
    void AttachWindow(HWND window) override;
    void Detach() override;
    void Refresh() override;

    TArrowButton* Button() const { return FButton.get(); }

protected:
    void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool TakesClientPainting() const override { return false; }
    void PaintingSwitched() override;

private:
    void AttachButton();

    std::unique_ptr<TArrowButton> FButton;
    // The picker did not keep its painting off its children before.
    bool FClipsChildrenAdded = false;
};
