#pragma once
#include <optional>
#include <string>
#include <utility>

#include "base/SystemPath.h"
#include "locdb/LocationLookup.h"

// The typed and the batch lookups of address text on both databases. Text
// that reads as IPv6 goes to the IPv6 database, except that an IPv4-mapped
// address is an IPv4 host and goes to the IPv4 one; every other text, dotted
// or not, goes to the IPv4 database as it always did. Each reader opens at
// the first text that needs it and stays open for the next, so a batch part
// opens each file once and an IPv4 list never needs the IPv6 file. Failures
// throw Exception with the reader's message; after one, ask nothing more.
class TAddressLookup {
public:
    TAddressLookup(SystemPath ipv4Database, SystemPath ipv6Database)
        : FIpv4Path(std::move(ipv4Database)), FIpv6Path(std::move(ipv6Database)) {}

    struct Answer {
        std::string Location;  // or the no-data message
        // The address in its short form when the text read as IPv6.
        std::optional<std::string> Ipv6ShortForm;
    };
    // The text trimmed by the caller, as both lookups trim it.
    Answer LookUp(const std::string& text);

private:
    TLocationReader& Ipv4Reader();
    TIpv6LocationReader& Ipv6Reader();

    SystemPath FIpv4Path;
    SystemPath FIpv6Path;
    std::optional<TLocationReader> FIpv4;
    std::optional<TIpv6LocationReader> FIpv6;
};
