#pragma once
#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>

// The main window answers this registered message with the number of
// look-ups started so far: the benchmarks count requests through it.
inline const wchar_t kLookupsStartedMessage[] = L"Quorvik.LookupsStarted";

// Name look-ups that Winsock runs on its own and answers with a window
// message. Each request has its own answer area, so an answer read at
// completion always belongs to the request that completed, however many
// requests overlap.
class THostLookups {
public:
    struct Answer {
        std::string Host;  // as asked for
        int Error = 0;     // Winsock's, when the name did not resolve
        bool Resolved = false;
        std::string Address;       // dotted, of the first address
        std::string OfficialName;  // the resolver's canonical name
    };

    THostLookups() = default;
    THostLookups(const THostLookups&) = delete;
    THostLookups& operator=(const THostLookups&) = delete;
    ~THostLookups();

    // A request that cannot be started is dropped.
    void Start(HWND window, UINT message, const std::string& host);
    // The answer of the completed request; none when the request is not
    // ours or was cancelled.
    std::optional<Answer> Finish(WPARAM request, LPARAM result);
    // Cancels every open request. An area is freed only once its request can
    // no longer write to it, that is when its completion arrives.
    void CancelAll();
    // Answer areas still held, of open or cancelled requests.
    size_t AreasHeld() const { return FPending.size(); }
    // Requests started, whether or not Winsock took them.
    size_t Started() const { return FStarted; }

private:
    struct Request {
        std::string Host;
        std::unique_ptr<char[]> Area;
        bool Cancelled = false;
    };
    std::map<HANDLE, Request> FPending;
    size_t FStarted = 0;
};
