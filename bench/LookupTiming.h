#pragma once
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

// Seconds that the lookups of all the addresses take. The sizes of their
// results are summed and looked at, so no lookup can be optimised away.
template <class Lookup>
double SecondsFor(const std::vector<std::string>& addresses, Lookup lookup) {
    size_t checksum = 0;
    auto start = std::chrono::steady_clock::now();
    for (const std::string& address : addresses) checksum += lookup(address).size();
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (checksum == 0) std::printf("(no results)\n");
    return seconds;
}
