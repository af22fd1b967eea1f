#pragma once
#include <cstdint>
#include <string>

#include "tools/dbdata/MmdbRanges.h"

// The operator of a network, as the operator data gives it: its AS number
// and its name (GBK; "AS" and the number where it has none).
struct NetworkOperator {
    uint32_t asNumber;
    std::string name;
};

// What the user reads where a network is known but not its operator: the
// area is shown right after the country, so an empty area's "无" would read
// as part of the country's name.
inline const char kUnknownOperator[] = "未知运营商";

// Whether the geography puts the place in mainland China (Hong Kong, Macao
// and Taiwan have country codes of their own).
bool InMainland(const GeoPlace& place);

// The country field: in mainland China the province's full name, or the
// country's name where the geography gives no province; elsewhere the
// country's name (GBK, as the caller found it for the place's code). A
// province the table does not know is an Exception that names it.
std::string CountryText(const GeoPlace& place, const std::string& countryName);

// The area field: in mainland China the carrier of the network's AS where
// the carrier table has a row for it; otherwise the operator's name; where
// no operator is known, kUnknownOperator.
std::string AreaText(bool mainland, const NetworkOperator* networkOperator);
