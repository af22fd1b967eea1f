#include "locdb/AddressLookup.h"

#include "locdb/AddressText.h"

TAddressLookup::Answer TAddressLookup::LookUp(const std::string& text) {
    std::optional<Ipv6Address> ipv6 = ParseIpv6(text);
    if (!ipv6) return {LocationOrNoData(Ipv4Reader().Location(text)), std::nullopt};
    std::optional<uint32_t> mapped = MappedIpv4(*ipv6);
    std::string location = mapped ? Ipv4Reader().Location(FormatDottedIpv4(*mapped)) : Ipv6Reader().Location(*ipv6);
    return {LocationOrNoData(location), FormatIpv6(*ipv6)};
}

TLocationReader& TAddressLookup::Ipv4Reader() {
    if (!FIpv4) FIpv4.emplace(FIpv4Path);
    return *FIpv4;
}

TIpv6LocationReader& TAddressLookup::Ipv6Reader() {
    if (!FIpv6) FIpv6.emplace(FIpv6Path);
    return *FIpv6;
}
