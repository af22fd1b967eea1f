#pragma once
#include <string>
#include <vector>

#include "tools/qqwry/LocationRange.h"

// Writes the bytes of a database in the QQWry layout: an 8-byte header with
// the offsets of the first and last index entry, the records with their
// texts, then the index (start address, 3-byte record offset per range).
//
// Repeated texts are stored once and reached through the layout's
// redirections: a record whose country and area were written before points
// to that place block (mode 1); a record with a known country but a new area
// points to the country text (mode 2) and writes its area after the pointer;
// an area text written before is reached through an area redirection.
//
// The ranges must be sorted and must not overlap, their texts shaped by
// LocationText. Throws Exception when they are not, or when the records and
// texts do not fit the 16 MiB that 3-byte offsets reach.
std::string WriteQQWry(const std::vector<LocationRange>& ranges);
