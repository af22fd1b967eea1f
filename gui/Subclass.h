#pragma once
#include <windows.h>

#include "gui/MessageDispatch.h"

// The program's one way of laying a window procedure over a window's own,
// for windows of any origin: ours, message boxes, the save dialog, popup
// menu windows and their children. Messages reach WndProc first, as UTF-16
// messages; CallDefault passes one on to what lay below. Any number of
// subclasses can lie over one window, each keeping its state in its own
// object. A subclass takes itself off when its window is destroyed, after
// WndProc has seen WM_NCDESTROY.
class TSubclass {
public:
    TSubclass() = default;
    virtual ~TSubclass();
    TSubclass(const TSubclass&) = delete;
    TSubclass& operator=(const TSubclass&) = delete;

    // False when the window does not exist or is already held by this object.
    bool Attach(HWND window);
    void Detach();
    HWND Handle() const { return FHandle; }
    bool Attached() const { return FHandle != nullptr; }

protected:
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam);
    // The window is gone and the subclass already off it.
    virtual void WindowDestroyed() {}

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);

    HWND FHandle = nullptr;
    TMessageRecord* FMessage = nullptr;
};

// The procedure of the Win32 class that a framework class was made from
// (a superclass of "BUTTON", say), for messages the framework leaves to it.
LRESULT CallSuperclassProcedure(WNDPROC base, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
