#include "base/win32/User32Extras.h"

namespace {
template <class Function>
void LookUp(HMODULE module, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

TUser32Extras LookUpExtras() {
    TUser32Extras extras;
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (!user32) return extras;
    LookUp(user32, "GetScrollBarInfo", extras.GetScrollBarInfo);
    LookUp(user32, "TrackMouseEvent", extras.TrackMouseEvent);
    LookUp(user32, "GetComboBoxInfo", extras.GetComboBoxInfo);
    LookUp(user32, "DisableProcessWindowsGhosting", extras.DisableProcessWindowsGhosting);
    return extras;
}

// Looked up while the program starts, before any window exists.
const TUser32Extras extrasAtStart = LookUpExtras();
}  // namespace

const TUser32Extras& User32Extras() { return extrasAtStart; }
