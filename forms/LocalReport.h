#pragma once
#include <optional>
#include <string>
#include <vector>

// The address part of the local information report: a line per address,
// their count and a separator. A host without an address record (no list)
// gets a line that says so in place of the addresses and the count.
std::vector<std::string> AddressReportLines(const std::optional<std::vector<std::string>>& addresses);
