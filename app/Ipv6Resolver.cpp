#include "app/Ipv6Resolver.h"

#include <winsock2.h>
#include <ws2tcpip.h>

namespace {
// The first IPv6 address the system's resolver knows for the host, with its
// canonical name. Runs on the worker: it may wait for the network.
TIpv6Resolver::Answer ResolveNow(const std::string& host) {
    TIpv6Resolver::Answer answer{.Host = host, .OfficialName = host};
    addrinfo hints = {};
    hints.ai_family = AF_INET6;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_CANONNAME;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0) return answer;
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
}  // namespace

TIpv6Resolver::TIpv6Resolver(UINT message, OnAnswer onAnswer) : FOnAnswer(std::move(onAnswer)), FWorker(message, [] {}) {}

void TIpv6Resolver::Resolve(HWND window, const std::string& host) {
    FWaiting = host;
    Start(window, host);
}

void TIpv6Resolver::Start(HWND window, const std::string& host) {
    auto job = [this, window, host]() -> TPostingWorker::Delivery {
        Answer answer = ResolveNow(host);
        return [this, window, answer] {
            FOnAnswer(answer);
            if (FWaiting) Start(window, *FWaiting);
        };
    };
    if (FWorker.Post(window, 0, job)) FWaiting.reset();
}
