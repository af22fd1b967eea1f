#pragma once
#include <windows.h>

#include <memory>

#include "skin/manager/SkinnerKind.h"

class TSkinControl;
class TSkinFrame;
class TWinControl;

// The skinner of a kind for a framework control (control set) or a bare
// child window, attached; null where the program has no skinner of that
// kind, or the skin lacks what it draws with: the control then keeps its
// native look.
std::unique_ptr<TSkinControl> CreateSkinner(SkinnerKind kind, TSkinFrame& frame, TWinControl* control, HWND window);
