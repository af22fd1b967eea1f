#include "tools/dbdata/ChinaCoverage.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "tools/dbdata/Carriers.h"
#include "tools/qqwry/GbkEncoding.h"

namespace {

constexpr double kProvinceTarget = 95, kCarrierTarget = 85;
constexpr size_t kUncoveredShown = 10;

// Rounded down, so that a share just short of a target never reads as met.
double Percent(double part, double whole) { return whole > 0 ? std::floor(10000 * part / whole) / 100 : 0; }

const char* Verdict(double share, double target) { return share >= target ? "met" : "NOT MET"; }

}  // namespace

void ChinaCoverage::Count(double addresses, bool hasProvince, const NetworkOperator* networkOperator) {
    FAddresses += addresses;
    if (hasProvince) FWithProvince += addresses;
    if (!networkOperator) {
        FWithoutOperator += addresses;
    } else if (FindCarrier(networkOperator->asNumber)) {
        FWithCarrier += addresses;
    } else {
        Uncovered& network = FUncovered[networkOperator->asNumber];
        network.addresses += addresses;
        network.name = networkOperator->name;
    }
}

void ChinaCoverage::Print() const {
    double province = Percent(FWithProvince, FAddresses), carrier = Percent(FWithCarrier, FAddresses);
    std::printf("mainland China's IPv4 space, %.0f addresses: with a province %.2f%% (target %.0f%%, %s); "
                "with a carrier from the table %.2f%% (target %.0f%%, %s); no operator known %.2f%%\n",
                FAddresses, province, kProvinceTarget, Verdict(province, kProvinceTarget), carrier,
                kCarrierTarget, Verdict(carrier, kCarrierTarget), Percent(FWithoutOperator, FAddresses));
    std::vector<std::pair<uint32_t, Uncovered>> networks(FUncovered.begin(), FUncovered.end());
    size_t shown = std::min(kUncoveredShown, networks.size());
    std::partial_sort(networks.begin(), networks.begin() + shown, networks.end(),
                      [](const auto& a, const auto& b) { return a.second.addresses > b.second.addresses; });
    std::printf("  networks without a carrier row, most addresses first:\n");
    GbkToUtf8 toUtf8;  // for the terminal
    for (size_t i = 0; i < shown; ++i)
        std::printf("    AS%u %.2f%% %s\n", networks[i].first, Percent(networks[i].second.addresses, FAddresses),
                    toUtf8.Convert(networks[i].second.name).c_str());
}
