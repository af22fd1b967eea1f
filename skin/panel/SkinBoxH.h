#pragma once
#include "skin/panel/SkinBox.h"

// Bare windows of a dialog that show a background: nested dialogs, tool
// bars, and the panels the dispatch recolours. Their erasing fills them
// with the skin's button face, and the texts on them take it as their
// background; what they draw on it (a tool bar's buttons, a panel's
// caption) stays their own.
class TSkinBoxH : public TSkinBox {
public:
    using TSkinBox::TSkinBox;

protected:
    void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};
