#include "app/WatchText.h"

#include "base/GbkText.h"

namespace {
const size_t kShownAddressBytes = 30;

const char* AddressLabel(AddressOrigin origin) {
    return origin == AddressOrigin::OtherBrowser ? "网址：" : "IE地址：";
}
}  // namespace

std::string BuildNotice(AddressOrigin origin, const std::string& webAddress, const std::string& ip,
                        const std::string& host, const std::string& location) {
    std::string shown = webAddress.size() > kShownAddressBytes
                            ? std::string(GbkPrefix(webAddress, kShownAddressBytes)) + "..."
                            : webAddress;
    return AddressLabel(origin) + shown + "\r" + "IP地址：" + ip + "\r" + "主机地址：" + host + "\r" + "地理位置：" +
           location;
}

std::string ThroughProxy(const std::string& location) { return location + "（经代理）"; }
