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
    LocationRange Parse(const std::vector<std::string>& fields);

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

LocationRange LocationParser::Parse(const std::vector<std::string>& fields) {
    if (fields.size() != 4)
        throw Exception("expected 4 fields (start,end,country,area), found " + std::to_string(fields.size()));
    AddressRange addresses = ParseRangeFields(fields);
    LocationRange range{addresses.start, addresses.end, CleanCountry(ToGbk(fields[2], "country")),
                        CleanText(ToGbk(fields[3], "area"))};
    if (range.country.empty()) throw Exception("empty country");
    FitRecordLine(range.country, range.area);
    return range;
}

}  // namespace

std::vector<LocationRange> ReadLocationCsv(const std::string& path, TextEncoding encoding) {
    LocationParser parser(encoding);
    std::vector<LocationRange> ranges;
    ForEachCsvLine(path, [&](const std::vector<std::string>& fields) { ranges.push_back(parser.Parse(fields)); });
    return ranges;
}

std::string FormatLocationCsv(const std::vector<LocationRange>& ranges) {
    std::string csv;
    for (const LocationRange& range : ranges)
        csv += FormatAddress(range.start) + ',' + FormatAddress(range.end) + ',' + range.country + ',' + range.area + '\n';
    return csv;
}
