#include "forms/LocalReport.h"

namespace {
const char kSeparator[] = "-----------------------------------------";
}

std::vector<std::string> AddressReportLines(const std::optional<std::vector<std::string>>& addresses) {
    std::vector<std::string> lines;
    if (!addresses) {
        lines.push_back("未找到本机的IP地址");
    } else {
        for (const std::string& address : *addresses) lines.push_back("本机IP:" + address);
        lines.push_back("本机共有" + std::to_string(addresses->size()) + "个IP");
    }
    lines.push_back(kSeparator);
    return lines;
}
