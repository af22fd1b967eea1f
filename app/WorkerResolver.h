#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/DnsMessage.h"
#include "app/HostFallback.h"
#include "app/PostingWorker.h"

class THttpClient;

// The attempts that may wait for the network, on a worker, so that the
// window's thread never waits: a name's IPv6 address from the system, and
// its address over DNS-over-HTTPS. One attempt runs at a time: one asked
// for meanwhile waits, and only the newest one does.
class TWorkerResolver {
public:
    struct Answer {
        ResolveAttempt Attempt;  // as asked for
        std::optional<IpAddress> Address;
        std::string OfficialName;  // the canonical name, else the name asked for
    };
    using OnAnswer = std::function<void(const Answer&)>;

    // message: what the window hands to TPostingWorker::Deliver;
    // dohResolvers: the DNS-over-HTTPS resolvers' URLs, in order.
    TWorkerResolver(UINT message, std::vector<std::wstring> dohResolvers, OnAnswer onAnswer);
    ~TWorkerResolver();

    void Resolve(HWND window, const ResolveAttempt& attempt);

private:
    void Start(HWND window, const ResolveAttempt& attempt);

    std::vector<std::wstring> FDohResolvers;
    OnAnswer FOnAnswer;
    // Used on the worker only, one request at a time; Cancel ends it.
    std::shared_ptr<THttpClient> FHttpClient;
    TPostingWorker FWorker;
    std::optional<ResolveAttempt> FWaiting;
};
