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

    static bool Serves(TWinControl* control);
    void Refresh() override;
    TMediaPlayerPanel* Panel() const { return FPanel.get(); }

protected:
    void AfterAttach() override;
    void BeforeDetach() override;
    void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void PaintingSwitched() override;

private:
    std::unique_ptr<TMediaPlayerPanel> FPanel;
};
