#pragma once
#include <string>
#include <utility>
#include <vector>

#include "tools/qqwry/Numbering.h"
#include "tools/qqwry/RangeMap.h"

// What the geography data says of a network: its country code and, where
// given, its first-level division (DB-IP's "state1"), in English.
using GeoPlace = std::pair<std::string, std::string>;

template <typename Address>
struct GeoRanges {
    std::vector<BasicValueRange<Address>> ranges;  // sorted, apart, neighbours with one place joined
    Numbering<GeoPlace> places;                     // what each range's value stands for
};

// Every network of an MMDB file of DB-IP's city layout ("country_code",
// "state1"), read with libmaxminddb by walking its search tree. The file's
// IP version must be the address family's. A file libmaxminddb refuses, a
// damaged tree or a record without a country code is an Exception naming
// the file.
template <typename Address>
GeoRanges<Address> ReadMmdbRanges(const std::string& path);
