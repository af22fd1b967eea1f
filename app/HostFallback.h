#pragma once
#include <string>
#include <vector>

enum class AddressFamily { Ipv4, Ipv6 };

// One question to a resolver: a name, and the family of address asked for.
struct ResolveAttempt {
    std::string Name;
    AddressFamily Family = AddressFamily::Ipv4;
    bool operator==(const ResolveAttempt&) const = default;
};

// The order in which a host name is tried until an address answers: the
// name's IPv4 address, then its IPv6 address; then, for a name that does not
// start with "www.", the same for "www." and the name, once. Chromium shows
// www.example.com as "example.com", and the page's own address, which holds
// the whole host, is not read: reading it from outside switches on Chromium's
// accessibility of web content for the rest of the session.
class THostFallback {
public:
    // name: as the resolver takes it (ASCII, a Unicode name converted).
    explicit THostFallback(const std::string& name);

    const ResolveAttempt& Current() const { return FAttempts[FCurrent]; }
    // Moves on after an answer that knows no address for the current
    // attempt; false when none is left.
    bool Next();

private:
    std::vector<ResolveAttempt> FAttempts;
    size_t FCurrent = 0;
};
