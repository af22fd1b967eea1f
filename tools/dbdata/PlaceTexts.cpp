#include "tools/dbdata/PlaceTexts.h"

#include "base/Exception.h"
#include "tools/dbdata/Carriers.h"
#include "tools/dbdata/Provinces.h"

bool InMainland(const GeoPlace& place) { return place.first == "CN"; }

std::string CountryText(const GeoPlace& place, const std::string& countryName) {
    const auto& [country, division] = place;
    if (!InMainland(place) || division.empty()) return countryName;
    const Province* province = FindProvince(division);
    if (!province) throw Exception("the province table does not know \"" + division + "\" (" + country + ")");
    return province->name;
}

std::string AreaText(bool mainland, const NetworkOperator* networkOperator) {
    if (!networkOperator) return kUnknownOperator;
    const char* carrier = mainland ? FindCarrier(networkOperator->asNumber) : nullptr;
    return carrier ? carrier : networkOperator->name;
}
