#include "tools/qqwry/LocationText.h"

#include <cstdint>

#include "base/GbkText.h"

namespace {

bool BecomesBlank(uint8_t byte) { return byte <= ' ' || byte == 0x7F || byte == '"' || byte == ','; }

}  // namespace

std::string CleanText(std::string_view gbk) {
    std::string clean;
    bool blankPending = false;
    for (size_t i = 0; i < gbk.size(); ++i) {
        uint8_t byte = gbk[i];
        if (BecomesBlank(byte)) {
            blankPending = !clean.empty();
            continue;
        }
        if (blankPending) clean += ' ';
        blankPending = false;
        clean += gbk[i];
        if (IsGbkLeadByte(byte) && i + 1 < gbk.size()) clean += gbk[++i];
    }
    return clean;
}

std::string CleanCountry(std::string_view gbk) {
    std::string country;
    // Byte by byte is safe: a GBK second byte is never a blank.
    for (char c : CleanText(gbk)) {
        if (c == ' ')
            country += "\xA1\xA1";
        else
            country += c;
    }
    return country;
}

void FitRecordLine(std::string& country, std::string& area) {
    country = GbkPrefix(country, kMaxPlaceTextBytes);
    area = TrimText(GbkPrefix(area, kMaxPlaceTextBytes - country.size()));
}
