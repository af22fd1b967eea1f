#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "tools/dbdata/PlaceTexts.h"

// How much of mainland China's IPv4 address space the database names a
// province and a carrier for, and the networks that most want a carrier row,
// as the build reports them.
class ChinaCoverage {
public:
    // Addresses of mainland China; the operator is none where unknown.
    void Count(double addresses, bool hasProvince, const NetworkOperator* networkOperator);
    // Prints the shares against their targets and the networks without a
    // carrier row that hold the most addresses.
    void Print() const;

private:
    struct Uncovered {
        double addresses = 0;
        std::string name;  // GBK
    };

    double FAddresses = 0, FWithProvince = 0, FWithCarrier = 0, FWithoutOperator = 0;
    std::map<uint32_t, Uncovered> FUncovered;  // by AS number
};
