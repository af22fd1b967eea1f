#pragma once
#include <memory>

#include "gui/Events.h"
#include "gui/UtilityWindow.h"

// A window timer on its own hidden window.
class TTimer : public TObject {
public:
    TTimer(UINT interval, bool enabled);
    ~TTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);

    TNotifyEvent OnTimer;

private:
    void Update();

    UINT FInterval;
    bool FEnabled;
    TUtilityWindow FWindow;
};
