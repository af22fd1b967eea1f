#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// How one name is asked for an address: the system's IPv4 resolver, a
// DNS-over-HTTPS resolver, or the system's IPv6 resolver.
enum class ResolveStep { SystemIpv4, OverHttps, SystemIpv6 };

struct ResolveAttempt {
    std::string Name;
    ResolveStep Step = ResolveStep::SystemIpv4;
    bool operator==(const ResolveAttempt&) const = default;
};

// How an attempt ended.
enum class AttemptEnd {
    Address,    // an address came
    NoAddress,  // the resolver knows the name without an address, or not at all
    Failed,     // the resolver could not answer
};

// What the window does next.
enum class FallbackAction {
    AskCurrent,      // Current() is the next attempt
    ShowAddress,     // the address that came
    ShowFake,        // the proxy's fake address, with the proxy's note
    ShowUnresolved,  // no address at all
};

// The one order in which a host name is tried until an address answers:
// the name's IPv4 address from the system; when that address is a proxy's
// fake one (app/FakeAddressBlocks.h) and the name is no IP literal, the name
// over DNS-over-HTTPS, whose answer, or failing one the fake address, is the
// end of it; when the system knows no IPv4 address, the name's IPv6 address;
// then, for a name that does not start with "www.", the same for "www." and
// the name, once. Chromium shows www.example.com as "example.com", and the
// page's own address, which holds the whole host, is not read: reading it
// from outside switches on Chromium's accessibility of web content for the
// rest of the session.
class THostFallback {
public:
    // name: as the resolver takes it (ASCII, a Unicode name converted).
    explicit THostFallback(const std::string& name);

    const ResolveAttempt& Current() const { return FAttempts[FCurrent]; }
    // Whether an answer to the attempt is still awaited: one for a host the
    // watch has since left, or for an attempt already over, is dropped.
    bool Awaits(const ResolveAttempt& attempt) const { return !FOver && Current() == attempt; }
    // What follows the current attempt's end; ipv4: the address the
    // system's IPv4 resolver gave.
    FallbackAction After(AttemptEnd end, std::optional<uint32_t> ipv4 = std::nullopt);
    // The proxy's fake address, once the system gave one.
    std::optional<uint32_t> FakeAddress() const { return FFakeAddress; }

private:
    FallbackAction Ask(ResolveAttempt attempt);
    FallbackAction Over(FallbackAction action);

    std::vector<ResolveAttempt> FAttempts;
    size_t FCurrent = 0;
    bool FOver = false;
    std::optional<uint32_t> FFakeAddress;
};
