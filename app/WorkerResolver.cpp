#include "app/WorkerResolver.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include "app/DnsOverHttps.h"
#include "base/Version.h"
#include "base/win32/HttpClient.h"

namespace {
// The first IPv6 address the system's resolver knows for the host, with its
// canonical name.
TWorkerResolver::Answer ResolveIpv6(const ResolveAttempt& attempt) {
    TWorkerResolver::Answer answer{.Attempt = attempt, .OfficialName = attempt.Name};
    addrinfo hints = {};
    hints.ai_family = AF_INET6;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_CANONNAME;
    addrinfo* found = nullptr;
    if (getaddrinfo(attempt.Name.c_str(), nullptr, &hints, &found) != 0) return answer;
    for (addrinfo* entry = found; entry; entry = entry->ai_next) {
        if (entry->ai_family != AF_INET6 || entry->ai_addrlen < sizeof(sockaddr_in6)) continue;
        const auto* socket = reinterpret_cast<const sockaddr_in6*>(entry->ai_addr);
        Ipv6Address address;
        for (int i = 0; i < 8; ++i) {
            address.high = address.high << 8 | socket->sin6_addr.s6_addr[i];
            address.low = address.low << 8 | socket->sin6_addr.s6_addr[8 + i];
        }
        answer.Address = address;
        break;
    }
    if (found->ai_canonname && *found->ai_canonname) answer.OfficialName = found->ai_canonname;
    freeaddrinfo(found);
    return answer;
}

// Runs on the worker: it may wait for the network. It holds what it uses,
// since the resolver may go meanwhile.
TWorkerResolver::Answer ResolveNow(const ResolveAttempt& attempt, const std::vector<std::wstring>& dohResolvers,
                                   const std::shared_ptr<THttpClient>& client) {
    if (attempt.Step != ResolveStep::OverHttps) return ResolveIpv6(attempt);
    std::optional<DohFound> found = ResolveOverHttps(
        attempt.Name, dohResolvers,
        [&client](const HttpRequest& request, HttpSink& sink) { return client->Send(request, sink); },
        SteadyMilliseconds);
    if (!found) return {.Attempt = attempt};
    return {.Attempt = attempt, .Address = found->Address, .OfficialName = found->CanonicalName};
}
}  // namespace

TWorkerResolver::TWorkerResolver(UINT message, std::vector<std::wstring> dohResolvers, OnAnswer onAnswer)
    : FDohResolvers(std::move(dohResolvers)),
      FOnAnswer(std::move(onAnswer)),
      FHttpClient(std::make_shared<THttpClient>("Quorvik/" QUORVIK_VERSION)),
      FWorker(message, [] {}) {}

TWorkerResolver::~TWorkerResolver() { FHttpClient->Cancel(); }

void TWorkerResolver::Resolve(HWND window, const ResolveAttempt& attempt) {
    FWaiting = attempt;
    Start(window, attempt);
}

void TWorkerResolver::Start(HWND window, const ResolveAttempt& attempt) {
    auto job = [this, window, attempt, resolvers = FDohResolvers, client = FHttpClient]() -> TPostingWorker::Delivery {
        Answer answer = ResolveNow(attempt, resolvers, client);
        return [this, window, answer] {
            FOnAnswer(answer);
            if (FWaiting) Start(window, *FWaiting);
        };
    };
    if (FWorker.Post(window, 0, job)) FWaiting.reset();
}
