#pragma once
#include "skin/control/SkinControl.h"

// Edit boxes with a border: a 1-pixel frame in the skin's button shadow
// colour with two 1-pixel white frames inside it, on the box's non-client
// border. The native border is two pixels deep; the skinner makes it three
// while it skins the box, so that all three frames lie outside the client
// area: the text, the caret and the selection are the edit's own and
// nothing is ever painted over them.
class TSkinEdit : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    ~TSkinEdit() override;

    void Attach(TWinControl& control, bool recolour) override;
    void AttachWindow(HWND window) override;
    void Detach() override;
    bool BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // dc: a device context of the whole window, or null for the window's own.
    void PaintWindow(HDC dc) override;
    // Draws the three frames into dc, in window coordinates over area.
    void Draw(HDC dc, const RECT& area) override;

    // Whether a window has the border the frames go on: a non-client edge
    // on its left and top (scroll bars alone take only the right and bottom).
    static bool HasBorder(HWND window);

protected:
    bool TakesClientPainting() const override { return false; }
    void PaintingSwitched() override;

private:
    void FrameChanged();
    void WidenBorder(WPARAM wParam, LPARAM lParam);
};
