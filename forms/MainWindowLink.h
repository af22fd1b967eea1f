#pragma once
#include <string>

#include "base/SystemPath.h"

// What the auxiliary windows need of the main window; it hands itself to
// them when it creates them, so they never reach into its module.
class TMainWindowLink {
public:
    virtual ~TMainWindowLink() = default;

    // Whether the main window comes back when the batch or the local
    // information window hides.
    virtual bool ReturnsToMainWindow() const = 0;
    virtual void ShowMainWindow() = 0;
    // While the About or the local information window is open, a main window
    // that stays on top is let down from the topmost band so that it cannot
    // cover them, and the application's deactivation leaves it there; closing
    // them raises it again. Both do nothing while stay-on-top is off.
    virtual void LowerMainWindow() = 0;
    virtual void RaiseMainWindow() = 0;
    // The location databases every lookup reads: IPv4, then IPv6.
    virtual SystemPath DatabasePath() const = 0;
    virtual SystemPath Ipv6DatabasePath() const = 0;
    // The batch says when it starts and ends: database files are swapped
    // only while none runs, so that a batch reads one data throughout.
    virtual void BatchRunning(bool running) = 0;
};
