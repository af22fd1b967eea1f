#include "app/WatchText.h"

#include "base/GbkText.h"

namespace {
const size_t kShownAddressBytes = 30;
}

std::string TextAfter(const std::string& delimiter, const std::string& text) {
    size_t at = text.find(delimiter);
    return at == std::string::npos ? std::string() : text.substr(at + delimiter.size());
}

std::string TextBefore(const std::string& delimiter, const std::string& text) {
    return text.substr(0, text.find(delimiter));
}

std::string HostOfAddress(const std::string& address) { return TextBefore("/", TextAfter("//", address)); }

std::string BuildNotice(const std::string& webAddress, const std::string& ip, const std::string& host,
                        const std::string& location) {
    std::string shown = webAddress.size() > kShownAddressBytes
                            ? std::string(GbkPrefix(webAddress, kShownAddressBytes)) + "..."
                            : webAddress;
    return "IE地址：" + shown + "\r" + "IP地址：" + ip + "\r" + "主机地址：" + host + "\r" + "地理位置：" + location;
}
