#pragma once
#include <memory>

#include "gui/Events.h"
#include "gui/UtilityWindow.h"

// A window timer on its own hidden window.
class TTimer : public TObject {
public:
    TTimer(UINT interval, bool enabled);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    TNotifyEvent OnTimer;

private:
    void Update();

    UINT interval_;
    bool enabled_;
    TUtilityWindow window_;
};
