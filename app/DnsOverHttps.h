#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/DnsMessage.h"
#include "base/HttpMessage.h"

// Asking resolvers for a name's address over DNS-over-HTTPS (RFC 8484), as
// the program does when the system's answer came from a proxy's fake block.

// The resolvers, tried in order: public ones reachable from inside and
// outside China, named by address so that asking them needs no lookup of
// their own. "/doh URL", repeatable, replaces them; only URLs on the
// loopback address count, so that no test ever asks a public resolver.
std::vector<std::wstring> DohResolvers(const TCommandLine& commandLine);

struct DohFound {
    IpAddress Address;
    std::string CanonicalName;
};

// The name's IPv4 address, or its IPv6 address where it has no IPv4 one.
// A resolver that fails (no connection, a refused certificate, an HTTP
// error, an answer not understood, 2 s passed) is followed by the next; an
// answer that the name does not exist or has no address ends the tries, as
// do 5 s in all. clock: milliseconds of a steady clock.
std::optional<DohFound> ResolveOverHttps(const std::string& name, const std::vector<std::wstring>& resolvers,
                                         const HttpTransport& transport, const std::function<uint64_t()>& clock);
