#include "app/BrowserWatch.h"

#define PSAPI_VERSION 1  // psapi.dll's own functions, which Windows XP has
#include <psapi.h>

#include "app/BrowserTable.h"
#include "app/HostRule.h"
#include "base/win32/Handles.h"

namespace {
// A reading that has not come back by then is stuck in a browser that does
// not answer.
const DWORD kGiveUpMs = 1500;

TBrowserWatch* gListening = nullptr;

std::wstring ClassName(HWND window) {
    wchar_t name[256] = {};
    return std::wstring(name, size_t(GetClassNameW(window, name, 256)));
}

std::wstring ExecutableName(DWORD process) {
    TKernelHandle handle(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, process));
    wchar_t path[MAX_PATH] = {};
    if (!handle || !GetProcessImageFileNameW(handle.Get(), path, MAX_PATH)) return L"";
    std::wstring image = path;
    return image.substr(image.find_last_of(L"\\/") + 1);
}
}  // namespace

TBrowserWatch::TBrowserWatch(UINT message, std::function<void(const std::wstring&)> onAddress,
                             std::function<void()> onEvent)
    : FOnAddress(std::move(onAddress)), FOnEvent(std::move(onEvent)), FWorker(message, ForgetAddressFields) {}

TBrowserWatch::~TBrowserWatch() { SetListening(false); }

void TBrowserWatch::Read(HWND window, HWND notified) {
    FWorker.GiveUpIfStuck(kGiveUpMs);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (!IsKnownBrowser(window, process) || !FBackOff.MayWalk(TWalkBackOff::Window(window), GetTickCount())) return;
    bool posted = FWorker.Post(notified, process, [this, window, process] {
        std::optional<TAddressReading> reading = ReadAccessibleAddress(window);
        return [this, window, process, reading] { Delivered(window, process, reading); };
    });
    if (!posted) FStepAgain = true;
}

// The last window asked about is remembered with its answer: the process
// is opened only when another window comes to the front. A window that has
// an owner is a browser's bubble or dialog (Chromium's bookmark editor), not
// a browser window.
bool TBrowserWatch::IsKnownBrowser(HWND window, DWORD process) {
    if (window != FCheckedWindow || process != FCheckedProcess) {
        std::wstring frameClass = ClassName(window);
        FCheckedWindow = window;
        FCheckedProcess = process;
        FCheckedKnown = IsBrowserFrameClass(frameClass) && !GetWindow(window, GW_OWNER) &&
                        FindKnownBrowser(frameClass, ExecutableName(process));
    }
    return FCheckedKnown;
}

// A field being typed in, a new tab's empty field and words searched for
// give no address, but they are fields: only a window without one is walked
// again later.
void TBrowserWatch::Delivered(HWND window, DWORD process, const std::optional<TAddressReading>& reading) {
    if (reading) {
        WatchChangesOf(window, process);
        NoteWalk(window, reading->FieldFound);
    }
    if (reading && reading->FieldFound && !reading->Typing && LooksLikeAddress(reading->Address) &&
        GetForegroundWindow() == window)
        FOnAddress(reading->Address);
    if (std::exchange(FStepAgain, false)) FOnEvent();
}

void TBrowserWatch::NoteWalk(HWND window, bool fieldFound) {
    auto key = TWalkBackOff::Window(window);
    if (fieldFound) return FBackOff.StartOver(key);
    FBackOff.ForgetWhere([](TWalkBackOff::Window closed) { return !IsWindow(HWND(closed)); });
    FBackOff.Missed(key, GetTickCount());
}

void TBrowserWatch::SetListening(bool listening) {
    FListening = listening;
    Unhook(FForegroundHook);
    Unhook(FChangeHook);
    Unhook(FFocusHook);
    FReadProcess = 0;
    gListening = listening ? this : nullptr;
    if (listening)
        FForegroundHook = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, EventProc, 0, 0,
                                          WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
}

// Only the browser being read is listened to, for changes of its texts and
// of its focus (a find bar or a dialog closing gives the toolbar back).
void TBrowserWatch::WatchChangesOf(HWND window, DWORD process) {
    FReadWindow = window;
    if (!FListening || process == FReadProcess) return;
    Unhook(FChangeHook);
    Unhook(FFocusHook);
    FChangeHook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, EventProc, process, 0,
                                  WINEVENT_OUTOFCONTEXT);
    FFocusHook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, EventProc, process, 0,
                                 WINEVENT_OUTOFCONTEXT);
    FReadProcess = process;
}

void TBrowserWatch::Unhook(HWINEVENTHOOK& hook) {
    if (hook) UnhookWinEvent(hook);
    hook = nullptr;
}

// An event from a window, or the window coming to the front, has it walked
// again at once should it have no field.
void CALLBACK TBrowserWatch::EventProc(HWINEVENTHOOK, DWORD event, HWND window, LONG, LONG, DWORD, DWORD) {
    TBrowserWatch* watch = gListening;
    if (!watch) return;
    HWND from = event == EVENT_SYSTEM_FOREGROUND ? window : window ? GetAncestor(window, GA_ROOT) : nullptr;
    if (event != EVENT_SYSTEM_FOREGROUND && from != watch->FReadWindow) return;
    watch->FBackOff.StartOver(TWalkBackOff::Window(from));
    watch->FOnEvent();
}
