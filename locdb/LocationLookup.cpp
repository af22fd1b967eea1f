#include "locdb/LocationLookup.h"

#include "locdb/QQWryReader.h"

const char kNoDataMessage[] = "暂无该IP的数据纪录";

namespace {
const std::string kNoDataLabel = "纯真网络";
}

std::string LookUpLocation(const SystemPath& databasePath, const std::string& address) {
    TQQWry reader(databasePath);
    int64_t recordNumber = reader.FindRecordNumber(address);
    TStringList location;
    reader.FillLocation(location, recordNumber);
    return location[2] + location[3];
}

std::string LocationOrNoData(const std::string& location) {
    return location.starts_with(kNoDataLabel) ? kNoDataMessage : location;
}
