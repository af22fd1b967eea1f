#include "locdb/LocationLookup.h"

const char kNoDataMessage[] = "暂无该IP的数据纪录";

namespace {
const std::string kNoDataLabel = "纯真网络";
}

std::string TLocationReader::Location(const std::string& address) {
    int64_t recordNumber = FReader.FindRecordNumber(address);
    TStringList location;
    FReader.FillLocation(location, recordNumber);
    return location[2] + location[3];
}

std::string LookUpLocation(const SystemPath& databasePath, const std::string& address) {
    return TLocationReader(databasePath).Location(address);
}

std::string TIpv6LocationReader::Location(const Ipv6Address& address) {
    int64_t recordNumber = FReader.FindRecordNumber(address);
    std::vector<std::string> fields;
    FReader.FillLocation(fields, recordNumber);
    return fields[0] + fields[1];
}

std::string LookUpIpv6Location(const SystemPath& databasePath, const Ipv6Address& address) {
    return TIpv6LocationReader(databasePath).Location(address);
}

std::string LocationOrNoData(const std::string& location) {
    return location.starts_with(kNoDataLabel) ? kNoDataMessage : location;
}
