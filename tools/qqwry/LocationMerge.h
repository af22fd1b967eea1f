#pragma once
#include <vector>

#include "tools/qqwry/LocationRange.h"

// The location of addresses the input says nothing about. The program shows
// its no-data notice for any location whose country begins with this label.
inline const char kNoDataCountry[] = "纯真网络";
inline const char kNoDataArea[] = "暂无数据";

// Turns input ranges in any order into what the database holds: overlaps
// resolved as ResolveOverlaps does (the narrower range holds), the addresses
// no range covers given the no-data label, so the whole address space is
// covered, and neighbours with the same texts joined into one range.
template <typename Address>
std::vector<BasicLocationRange<Address>> MergeLocations(const std::vector<BasicLocationRange<Address>>& ranges);
