#pragma once
#include "gui/WinControl.h"

// A hidden window for what needs messages without a form: timer ticks and
// the shell's tray callbacks. A top-level window rather than a message-only
// one, so that it also sees broadcasts such as "TaskbarCreated" and the end
// of the session. Subclasses take its messages in WndProc.
class TUtilityWindow : public TWinControl {
public:
    TUtilityWindow();
};
