#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "app/AccessibleAddress.h"
#include "app/PostingWorker.h"
#include "app/WalkBackOff.h"

// The watch of the browsers read through accessibility, on the window's
// thread: which foreground window is a known browser's, its reading on the
// worker, and the events that call for a watch step before the next tick.
class TBrowserWatch {
public:
    // onAddress gets each reading of a browser's address that is not being
    // typed and looks like an address; onEvent is called when an event calls
    // for a watch step.
    // message: the one the window procedure hands to TPostingWorker::Deliver.
    TBrowserWatch(UINT message, std::function<void(const std::wstring&)> onAddress, std::function<void()> onEvent);
    ~TBrowserWatch();
    TBrowserWatch(const TBrowserWatch&) = delete;
    TBrowserWatch& operator=(const TBrowserWatch&) = delete;

    // Starts reading the window when it is a known browser's; its address
    // comes later through the message to the notified window.
    void Read(HWND window, HWND notified);
    // Events call for watch steps only while listening.
    void SetListening(bool listening);

private:
    static void CALLBACK EventProc(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child,
                                   DWORD thread, DWORD time);
    bool IsKnownBrowser(HWND window, DWORD process);
    void Delivered(HWND window, DWORD process, const std::optional<TAddressReading>& reading);
    void NoteWalk(HWND window, bool fieldFound);
    void WatchChangesOf(HWND window, DWORD process);
    void Unhook(HWINEVENTHOOK& hook);

    std::function<void(const std::wstring&)> FOnAddress;
    std::function<void()> FOnEvent;
    TPostingWorker FWorker;
    // Asked for while a reading ran: one more step once it is delivered.
    bool FStepAgain = false;
    bool FListening = false;
    HWINEVENTHOOK FForegroundHook = nullptr;
    HWINEVENTHOOK FChangeHook = nullptr;
    HWINEVENTHOOK FFocusHook = nullptr;
    HWND FCheckedWindow = nullptr;
    DWORD FCheckedProcess = 0;
    bool FCheckedKnown = false;
    HWND FReadWindow = nullptr;
    DWORD FReadProcess = 0;
    TWalkBackOff FBackOff;
};
