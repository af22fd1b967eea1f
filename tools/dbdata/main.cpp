// merge-ip-data: joins the country ranges of geo-whois-asn-country and the
// network operator ranges of ip-location-db's asn data into the GBK lines
// "start,end,country,area" that qqwry-from-csv --gbk reads: the country's
// name in Simplified Chinese, the operator's name as the area.
#include <clocale>
#include <cstdio>
#include <string>
#include <unordered_map>

#include "base/Exception.h"
#include "tools/dbdata/OperatorSplit.h"
#include "tools/qqwry/Address.h"
#include "tools/qqwry/CsvFile.h"
#include "tools/qqwry/CsvLine.h"
#include "tools/qqwry/GbkEncoding.h"
#include "tools/qqwry/Numbering.h"
#include "tools/qqwry/OutputFile.h"

namespace {

const char kUsage[] =
    "usage: merge-ip-data COUNTRIES.csv OPERATORS.csv NAMES.csv OUTPUT.csv\n"
    "  COUNTRIES.csv  start,end,country code (geo-whois-asn-country-ipv4-num.csv)\n"
    "  OPERATORS.csv  start,end,AS number,operator (asn-ipv4-num.csv)\n"
    "  NAMES.csv      code,name in UTF-8 (country-names.js)\n"
    "  OUTPUT.csv     start,end,country,area in GBK\n";

// What the user reads where the country is known but no operator: the area
// is shown right after the country, so an empty area's "无" would read as
// part of the country's name.
const char kUnknownOperator[] = "未知运营商";

// Ranges of one input file, overlaps resolved, their texts numbered.
struct RangeFile {
    std::vector<ValueRange> ranges;
    Numbering<std::string> texts;
};

RangeFile ReadCountries(const std::string& path) {
    RangeFile file;
    std::vector<ValueRange> ranges;
    ForEachCsvLine(path, [&](const std::vector<std::string>& fields) {
        if (fields.size() != 3) throw Exception("expected 3 fields (start,end,country code)");
        AddressRange range = ParseRangeFields(fields);
        ranges.push_back({range.start, range.end, file.texts.Number(fields[2])});
    });
    file.ranges = ResolveOverlaps(ranges);
    return file;
}

RangeFile ReadOperators(const std::string& path) {
    RangeFile file;
    std::vector<ValueRange> ranges;
    ForEachCsvLine(path, [&](const std::vector<std::string>& fields) {
        if (fields.size() != 4) throw Exception("expected 4 fields (start,end,AS number,operator)");
        AddressRange range = ParseRangeFields(fields);
        // An AS without a published name is still told apart by its number.
        std::string name = fields[3].empty() ? "AS" + fields[2] : fields[3];
        ranges.push_back({range.start, range.end, file.texts.Number(name)});
    });
    file.ranges = ResolveOverlaps(ranges);
    return file;
}

std::unordered_map<std::string, std::string> ReadCountryNames(const std::string& path) {
    std::unordered_map<std::string, std::string> names;
    ForEachCsvLine(path, [&](const std::vector<std::string>& fields) {
        if (fields.size() != 2) throw Exception("expected 2 fields (code,name)");
        names[fields[0]] = fields[1];
    });
    return names;
}

// Each text of the file in GBK, CSV-quoted; a country code without a known
// name stands for itself.
std::vector<std::string> GbkFields(const Numbering<std::string>& texts,
                                   const std::unordered_map<std::string, std::string>& names = {}) {
    Utf8ToGbk toGbk;
    std::vector<std::string> fields;
    for (uint32_t i = 0; i < texts.Size(); ++i) {
        auto name = names.find(texts[i]);
        fields.push_back(QuoteCsvField(toGbk.Convert(name != names.end() ? name->second : texts[i])));
    }
    return fields;
}

int Run(char** files) {
    RangeFile countries = ReadCountries(files[0]);
    RangeFile operators = ReadOperators(files[1]);
    std::vector<std::string> countryFields = GbkFields(countries.texts, ReadCountryNames(files[2]));
    std::vector<std::string> operatorFields = GbkFields(operators.texts);
    std::string csv;
    auto pieces = SplitByOperator(countries.ranges, operators.ranges);
    for (const CountryOperatorRange& piece : pieces) {
        csv += FormatAddress(piece.start) + ',' + FormatAddress(piece.end) + ',' + countryFields[piece.country] + ',' +
               (piece.network ? operatorFields[*piece.network] : kUnknownOperator) + '\n';
    }
    WriteFileAtomically(files[3], csv);
    std::printf("%s: %zu ranges (%zu country ranges, %zu operator ranges)\n", files[3], pieces.size(),
                countries.ranges.size(), operators.ranges.size());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_CTYPE, "C.UTF-8");  // transliteration, see qqwry-from-csv
    if (argc != 5) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    try {
        return Run(argv + 1);
    } catch (const Exception& e) {
        std::fprintf(stderr, "merge-ip-data: %s\n", e.what());
        return 1;
    }
}
