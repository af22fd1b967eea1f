#pragma once
#include <string>

// The MAC address of a network adapter as "00-1A-2B-3C-4D-5E", read from the
// node field of UUIDs that the RPC runtime makes; empty when none is found.
std::string QueryMacAddress();
