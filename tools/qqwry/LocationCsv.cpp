#include "tools/qqwry/LocationCsv.h"

#include "base/Exception.h"
#include "tools/qqwry/Address.h"
#include "tools/qqwry/CsvFile.h"
#include "tools/qqwry/GbkEncoding.h"
#include "tools/qqwry/LocationText.h"

namespace {

class LocationParser {
public:
    explicit LocationParser(TextEncoding encoding) : FEncoding(encoding) {}
    template <typename Address>
    BasicLocationRange<Address> Parse(const std::vector<std::string>& fields);

private:
    std::string ToGbk(const std::string& text, const char* what);

    TextEncoding FEncoding;
    Utf8ToGbk FUtf8ToGbk;
};

std::string LocationParser::ToGbk(const std::string& text, const char* what) {
    if (FEncoding == TextEncoding::Gbk) {
        if (!IsWellFormedGbk(text)) throw Exception(std::string(what) + " text is not well-formed GBK");
        return text;
    }
    try {
        return FUtf8ToGbk.Convert(text);
    } catch (const Exception& e) {
        throw Exception(std::string(what) + " " + e.Message());
    }
}

template <typename Address>
BasicLocationRange<Address> LocationParser::Parse(const std::vector<std::string>& fields) {
    if (fields.size() != 4)
        throw Exception("expected 4 fields (start,end,country,area), found " + std::to_string(fields.size()));
    auto addresses = ParseRangeFields<Address>(fields);
    BasicLocationRange<Address> range{addresses.start, addresses.end, CleanCountry(ToGbk(fields[2], "country")),
                                      CleanText(ToGbk(fields[3], "area"))};
    if (range.country.empty()) throw Exception("empty country");
    FitRecordLine(range.country, range.area);
    return range;
}

}  // namespace

template <typename Address>
std::vector<BasicLocationRange<Address>> ReadLocationCsv(const std::string& path, TextEncoding encoding) {
    LocationParser parser(encoding);
    std::vector<BasicLocationRange<Address>> ranges;
    ForEachCsvLine(path, [&](const std::vector<std::string>& fields) {
        ranges.push_back(parser.Parse<Address>(fields));
    });
    return ranges;
}

template <typename Address>
std::string FormatLocationCsv(const std::vector<BasicLocationRange<Address>>& ranges) {
    std::string csv;
    for (const auto& range : ranges)
        csv += AddressFamily<Address>::Format(range.start) + ',' + AddressFamily<Address>::Format(range.end) + ',' +
               range.country + ',' + range.area + '\n';
    return csv;
}

template std::vector<LocationRange> ReadLocationCsv<uint32_t>(const std::string&, TextEncoding);
template std::vector<LocationRange6> ReadLocationCsv<Ipv6Number>(const std::string&, TextEncoding);
template std::string FormatLocationCsv(const std::vector<LocationRange>&);
template std::string FormatLocationCsv(const std::vector<LocationRange6>&);
