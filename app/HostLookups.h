#pragma once
#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>

// Name look-ups that Winsock runs on its own and answers with a window
// message. Each request has its own answer area, so an answer read at
// completion always belongs to the request that completed, however many
// requests overlap.
class THostLookups {
public:
    struct Answer {
        bool Resolved = false;
        std::string Address;       // dotted, of the first address
        std::string OfficialName;  // the resolver's canonical name
    };

    ~THostLookups() { CancelAll(); }

    // A request that cannot be started is dropped.
    void Start(HWND window, UINT message, const std::string& host);
    // The answer of the completed request, or none when the request is not ours.
    std::optional<Answer> Finish(WPARAM request, LPARAM result);
    void CancelAll();

private:
    std::map<HANDLE, std::unique_ptr<char[]>> FPending;
};
