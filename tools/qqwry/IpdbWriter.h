#pragma once
#include <string>
#include <vector>

#include "tools/qqwry/LocationRange.h"

// Writes the bytes of an IPv6 location database in the IPDB layout
// (locdb/IpdbLayout.h), version 2, two fields per record: country and area
// in UTF-8.
//
// Ranges with the same texts share one record; a text written before is
// reached through a redirection where that is shorter. The offset length is
// the smallest that reaches every record and text.
//
// The index keys the upper 64 bits only, so every range must cover whole
// /64s. The ranges must be sorted and must not overlap, their texts well-
// formed GBK shaped by LocationText (no text starts with a byte that reads
// as a redirection). Throws Exception when they are not.
std::string WriteIpdb(const std::vector<LocationRange6>& ranges);
