#pragma once
#include <string>

#include "base/SystemPath.h"

#include "locdb/IpdbReader.h"
#include "locdb/QQWryReader.h"

// Lookups on one reader: the location text (country and area joined) of the
// record of each address. Failures throw Exception with the reader's message;
// after one the reader has let go of the file and answers nothing more.
class TLocationReader {
public:
    explicit TLocationReader(const SystemPath& databasePath) : FReader(databasePath) {}
    std::string Location(const std::string& address);

private:
    TQQWry FReader;
};

// One whole lookup as every caller makes it: a reader on the database, the
// location of the address, and the reader gone again.
std::string LookUpLocation(const SystemPath& databasePath, const std::string& address);

// The same for IPv6 addresses and their database: the first two fields of
// the record joined, as the IPv4 lookup joins country and area, so the
// no-data test below applies alike.
class TIpv6LocationReader {
public:
    explicit TIpv6LocationReader(const SystemPath& databasePath) : FReader(databasePath) {}
    std::string Location(const Ipv6Address& address);

private:
    TIpdb FReader;
};

std::string LookUpIpv6Location(const SystemPath& databasePath, const Ipv6Address& address);

// The typed and batch lookups show this instead of a location that begins
// with the publisher's label for ranges without data.
extern const char kNoDataMessage[];
std::string LocationOrNoData(const std::string& location);
