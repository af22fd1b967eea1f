#pragma once
#include <windows.h>

#include <memory>

#include "base/Events.h"
#include "gui/Subclass.h"
#include "skin/SkinnerKind.h"

class TSkinFrame;
class TWinControl;

// A control skinner: takes over the painting (and for buttons the mouse) of
// one control of a skinned window, lying over the control's window.
class TSkinControl : public TSubclass, public TObject {
public:
    ~TSkinControl() override = default;
};

// The skinner of a kind for a framework control (control set) or a bare
// child window; null where the program has no skinner of that kind, and
// the control keeps its native look.
std::unique_ptr<TSkinControl> CreateSkinner(SkinnerKind kind, TSkinFrame& frame, TWinControl* control, HWND window);
