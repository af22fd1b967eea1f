// merge-ip-data: joins the country ranges of geo-whois-asn-country and the
// network operator ranges of ip-location-db's asn data into the GBK lines
// "start,end,country,area" that qqwry-from-csv --gbk reads: the country's
// name in Simplified Chinese, the operator's name as the area, and over
// them the texts of the special-purpose address table. With --ipv6 it reads
// the IPv6 files and folds the ranges to whole /64 networks.
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>
#include <utility>

#include "base/Exception.h"
#include "tools/dbdata/NetworkFold.h"
#include "tools/dbdata/OperatorSplit.h"
#include "tools/dbdata/SpecialBlocks.h"
#include "tools/qqwry/Address.h"
#include "tools/qqwry/CsvFile.h"
#include "tools/qqwry/CsvLine.h"
#include "tools/qqwry/GbkEncoding.h"
#include "tools/qqwry/Numbering.h"
#include "tools/qqwry/OutputFile.h"

namespace {

const char kUsage[] =
    "usage: merge-ip-data [--ipv6] COUNTRIES.csv OPERATORS.csv NAMES.csv SPECIAL.csv OUTPUT.csv\n"
    "  COUNTRIES.csv  start,end,country code (geo-whois-asn-country-ipv4-num.csv)\n"
    "  OPERATORS.csv  start,end,AS number,operator (asn-ipv4-num.csv)\n"
    "  NAMES.csv      code,name in UTF-8 (country-names.js)\n"
    "  SPECIAL.csv    block,registry name,country,area in UTF-8 (special-purpose.csv)\n"
    "  OUTPUT.csv     start,end,country,area in GBK\n"
    "  --ipv6         IPv6 files; the ranges are folded to whole /64 networks\n";

// What the user reads where the country is known but no operator: the area
// is shown right after the country, so an empty area's "无" would read as
// part of the country's name.
const char kUnknownOperator[] = "未知运营商";

struct InputFiles {
    const char* countries;
    const char* operators;
    const char* names;
    const char* special;
    const char* output;
};

// Ranges of one input file, overlaps resolved, their texts numbered.
template <typename Address>
struct RangeFile {
    std::vector<BasicValueRange<Address>> ranges;
    Numbering<std::string> texts;
};

template <typename Address>
RangeFile<Address> ReadCountries(const std::string& path) {
    RangeFile<Address> file;
    std::vector<BasicValueRange<Address>> ranges;
    ForEachCsvLine(path, [&](const std::vector<std::string>& fields) {
        if (fields.size() != 3) throw Exception("expected 3 fields (start,end,country code)");
        auto range = ParseRangeFields<Address>(fields);
        ranges.push_back({range.start, range.end, file.texts.Number(fields[2])});
    });
    file.ranges = ResolveOverlaps(ranges);
    return file;
}

template <typename Address>
RangeFile<Address> ReadOperators(const std::string& path) {
    RangeFile<Address> file;
    std::vector<BasicValueRange<Address>> ranges;
    ForEachCsvLine(path, [&](const std::vector<std::string>& fields) {
        if (fields.size() != 4) throw Exception("expected 4 fields (start,end,AS number,operator)");
        auto range = ParseRangeFields<Address>(fields);
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

// Each text of the file in GBK; a country code without a known name stands
// for itself.
std::vector<std::string> GbkTexts(Utf8ToGbk& toGbk, const Numbering<std::string>& texts,
                                  const std::unordered_map<std::string, std::string>& names = {}) {
    std::vector<std::string> gbk;
    for (uint32_t i = 0; i < texts.Size(); ++i) {
        auto name = names.find(texts[i]);
        gbk.push_back(toGbk.Convert(name != names.end() ? name->second : texts[i]));
    }
    return gbk;
}

// The merged ranges, their values numbering GBK country and area texts.
template <typename Address>
struct MergedRanges {
    std::vector<BasicValueRange<Address>> ranges;
    std::vector<BasicValueRange<Address>> special;  // the table's blocks, in its order
    Numbering<std::pair<std::string, std::string>> places;
};

// Countries split by operator, the special blocks painted over them (of
// nested blocks the narrower holds).
template <typename Address>
MergedRanges<Address> MergeRanges(const InputFiles& files) {
    RangeFile<Address> countries = ReadCountries<Address>(files.countries);
    RangeFile<Address> operators = ReadOperators<Address>(files.operators);
    Utf8ToGbk toGbk;
    std::vector<std::string> countryTexts = GbkTexts(toGbk, countries.texts, ReadCountryNames(files.names));
    std::vector<std::string> operatorTexts = GbkTexts(toGbk, operators.texts);
    MergedRanges<Address> merged;
    RangeMap<Address> map;
    for (const auto& piece : SplitByOperator(countries.ranges, operators.ranges)) {
        std::string area = piece.network ? operatorTexts[*piece.network] : kUnknownOperator;
        map.Paint({piece.start, piece.end, merged.places.Number({countryTexts[piece.country], area})});
    }
    for (const SpecialBlock<Address>& block : ReadSpecialBlocks<Address>(files.special)) {
        uint32_t place = merged.places.Number({toGbk.Convert(block.country), toGbk.Convert(block.area)});
        merged.special.push_back({block.start, block.end, place});
    }
    for (const auto& range : ResolveOverlaps(merged.special)) map.Paint(range);
    merged.ranges = map.Pieces();
    return merged;
}

template <typename Address>
void WriteRanges(const char* path, const std::vector<BasicValueRange<Address>>& ranges,
                 const MergedRanges<Address>& merged) {
    std::string csv;
    for (const auto& range : ranges) {
        const auto& [country, area] = merged.places[range.value];
        csv += AddressFamily<Address>::Format(range.start) + ',' + AddressFamily<Address>::Format(range.end) + ',' +
               QuoteCsvField(country) + ',' + QuoteCsvField(area) + '\n';
    }
    WriteFileAtomically(path, csv);
    std::printf("%s: %zu ranges\n", path, ranges.size());
}

int MergeIpv4(const InputFiles& files) {
    MergedRanges<uint32_t> merged = MergeRanges<uint32_t>(files);
    WriteRanges(files.output, merged.ranges, merged);
    return 0;
}

int MergeIpv6(const InputFiles& files) {
    MergedRanges<Ipv6Number> merged = MergeRanges<Ipv6Number>(files);
    FoldedRanges networks = FoldToNetworks(merged.ranges, merged.special);
    std::printf("%zu ranges folded to whole /64 networks\n", networks.folded);
    WriteRanges(files.output, networks.ranges, merged);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_CTYPE, "C.UTF-8");  // transliteration, see qqwry-from-csv
    bool ipv6 = argc > 1 && std::strcmp(argv[1], "--ipv6") == 0;
    if (argc != 6 + ipv6) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    char** names = argv + 1 + ipv6;
    InputFiles files{names[0], names[1], names[2], names[3], names[4]};
    try {
        return ipv6 ? MergeIpv6(files) : MergeIpv4(files);
    } catch (const Exception& e) {
        std::fprintf(stderr, "merge-ip-data: %s\n", e.what());
        return 1;
    }
}
