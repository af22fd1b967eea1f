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

std::string LocationOrNoData(const std::string& location) {
    return location.starts_with(kNoDataLabel) ? kNoDataMessage : location;
}
