#include "skin/win32/SkinControl.h"

std::unique_ptr<TSkinControl> CreateSkinner(SkinnerKind, TSkinFrame&, TWinControl*, HWND) { return nullptr; }
