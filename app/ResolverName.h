#pragma once
#include <optional>
#include <string>

#include "app/HostRule.h"

// The name the IPv4 resolver is asked for: ASCII, a Unicode name converted
// by IdnToAscii where the system has it (from Windows Vista on, or Windows
// XP with its IDN download). None for an IPv6 literal, for no host, and for
// a name that cannot be converted.
std::optional<std::string> ResolverName(const WebHost& host);
