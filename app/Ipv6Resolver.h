#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "app/PostingWorker.h"
#include "locdb/AddressText.h"

// Resolves a host name to its IPv6 address on a worker, for a site that has
// no IPv4 address; the window's thread never waits. One name resolves at a
// time: a name asked for meanwhile waits, and only the newest one does.
class TIpv6Resolver {
public:
    struct Answer {
        std::string Host;  // as asked for
        std::optional<Ipv6Address> Address;
        std::string OfficialName;  // the resolver's canonical name, else the host
    };
    using OnAnswer = std::function<void(const Answer&)>;

    // message: what the window hands to TPostingWorker::Deliver.
    TIpv6Resolver(UINT message, OnAnswer onAnswer);

    void Resolve(HWND window, const std::string& host);

private:
    void Start(HWND window, const std::string& host);

    OnAnswer FOnAnswer;
    TPostingWorker FWorker;
    std::optional<std::string> FWaiting;
};
