#pragma once
#include <memory>

#include "skin/control/SkinControl.h"
#include "skin/mediaplayer/MediaPlayerPanel.h"

// Media players: a TMediaPlayerPanel over the player shows its buttons from
// the skin's push button image and takes their clicks. Only our own
// TMediaPlayer is served; its button sets are what the panel reads.
class TSkinMP : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    ~TSkinMP() override;

    void Attach(TWinControl& control, bool recolour) override;
    void AttachWindow(HWND window) override;
    void Detach() override;
    void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Draw(HDC dc, const RECT& area) override;
    void Refresh() override;

    TMediaPlayerPanel* Panel() const { return FPanel.get(); }

protected:
    void PaintingSwitched() override;

private:
    std::unique_ptr<TMediaPlayerPanel> FPanel;
};
