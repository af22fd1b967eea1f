#include "app/WatchText.h"

#include "base/GbkText.h"

namespace {
const size_t kShownAddressBytes = 30;
}

std::string BuildNotice(const std::string& webAddress, const std::string& ip, const std::string& host,
                        const std::string& location) {
    std::string shown = webAddress.size() > kShownAddressBytes
                            ? std::string(GbkPrefix(webAddress, kShownAddressBytes)) + "..."
                            : webAddress;
    return "IE地址：" + shown + "\r" + "IP地址：" + ip + "\r" + "主机地址：" + host + "\r" + "地理位置：" + location;
}
