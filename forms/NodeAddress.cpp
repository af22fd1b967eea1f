#include "forms/NodeAddress.h"

#include <algorithm>

namespace {
const size_t kNodeStart = 10;
}

std::string NodeAddressText(const TUuidBytes& first, const TUuidBytes& second) {
    if (!std::equal(first.begin() + kNodeStart, first.end(), second.begin() + kNodeStart)) return "";
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (size_t i = kNodeStart; i < first.size(); ++i) {
        if (!text.empty()) text += '-';
        text += kDigits[first[i] >> 4];
        text += kDigits[first[i] & 15];
    }
    return text;
}
