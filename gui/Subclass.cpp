#include "gui/Subclass.h"

#include <commctrl.h>

TSubclass::~TSubclass() { Detach(); }

bool TSubclass::Attach(HWND window) {
    if (FHandle || !IsWindow(window)) return false;
    if (!SetWindowSubclass(window, Procedure, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this)))
        return false;
    FHandle = window;
    return true;
}

void TSubclass::Detach() {
    if (!FHandle) return;
    RemoveWindowSubclass(FHandle, Procedure, reinterpret_cast<UINT_PTR>(this));
    FHandle = nullptr;
}

LRESULT TSubclass::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallDefault(message, wParam, lParam);
}

LRESULT TSubclass::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) {
    return NoteDefault(FMessage, DefSubclassProc(FHandle, message, wParam, lParam));
}

LRESULT CALLBACK TSubclass::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR reference) {
    auto* self = reinterpret_cast<TSubclass*>(reference);
    bool last = message == WM_NCDESTROY;
    // Off the window first: DefSubclassProc still reaches what lies below
    // during this last message, and nothing calls this object afterwards.
    if (last) RemoveWindowSubclass(window, Procedure, id);
    LRESULT result = DispatchGuarded(
        self->FMessage, [&] { return self->WndProc(message, wParam, lParam); },
        [&] { return self->CallDefault(message, wParam, lParam); }, last);
    if (last) {
        self->FHandle = nullptr;
        self->WindowDestroyed();
    }
    return result;
}

LRESULT CallSuperclassProcedure(WNDPROC base, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(base, window, message, wParam, lParam);
}
