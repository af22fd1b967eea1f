#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "locdb/AddressText.h"

// DNS messages in the wire format of RFC 1035, as DNS-over-HTTPS carries
// them (RFC 8484): the questions the program asks and the answers it reads.

enum class DnsType : uint16_t { A = 1, Aaaa = 28 };

// A question for the name's addresses of the type: ID 0, as RFC 8484 asks
// for the sake of caches, recursion desired. None for a name that no
// question can carry: an empty label, a label longer than 63 bytes, a name
// longer than 253, or a byte that is no printable ASCII.
std::optional<std::string> BuildDnsQuery(std::string_view name, DnsType type);

enum class DnsOutcome {
    Address,     // the name, or the end of its alias chain, has an address of the type
    NoAddress,   // the name exists without one
    NoSuchName,  // NXDOMAIN
    Unusable,    // anything not understood: damaged, truncated, a failure code, another question
};

struct DnsAnswer {
    DnsOutcome Outcome = DnsOutcome::Unusable;
    std::optional<IpAddress> Address;  // the first of the type
    std::string CanonicalName;         // the end of the alias chain, lower case
};

// Reads the answer to the question BuildDnsQuery made for the name and
// type. Alias (CNAME) chains inside the answer are followed up to 8 links;
// every offset is checked against the message, a compressed name may jump
// at most 32 times and be at most 255 bytes long, so any bytes give an
// outcome in bounded time and memory.
DnsAnswer ParseDnsAnswer(std::string_view message, std::string_view name, DnsType type);
