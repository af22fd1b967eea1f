// The default databases that build-db.sh wrote, checked against the CSV of
// ranges written with each and, on a sample, against the open data they come
// from. Skipped where no default database was built.
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <filesystem>
#include <unordered_map>

#include "locdb/LocationLookup.h"
#include "tests/qqwry_tool/Census.h"
#include "tests/qqwry_tool/ReadBack.h"
#include "tests/qqwry_tool/TestFiles.h"
#include "tools/dbdata/SpecialBlocks.h"
#include "tools/qqwry/CsvFile.h"
#include "tools/qqwry/GbkEncoding.h"
#include "tools/qqwry/LocationText.h"

namespace {

const std::string kDatabase = QUORVIK_DEFAULT_DB;
const std::string kRanges = QUORVIK_DEFAULT_RANGES;
const std::string kDatabase6 = QUORVIK_DEFAULT_DB6;
const std::string kRanges6 = QUORVIK_DEFAULT_RANGES6;
const std::string kData = QUORVIK_DBDATA;  // the open data and the country names, as build-db.sh left them

template <typename Address>
std::vector<BasicLocationRange<Address>> ReadRanges(const std::string& path) {
    std::vector<BasicLocationRange<Address>> ranges;
    ForEachCsvLine(path, [&](const std::vector<std::string>& fields) {
        auto range = ParseRangeFields<Address>(fields);
        ranges.push_back({range.start, range.end, fields.at(2), fields.at(3)});
    });
    return ranges;
}

template <typename Address>
class DefaultDatabaseOf : public testing::Test {
protected:
    void Load(const std::string& database, const std::string& ranges) {
        if (!std::filesystem::exists(database) || !std::filesystem::exists(ranges))
            GTEST_SKIP() << "no default database at " << database;
        FRanges = ReadRanges<Address>(ranges);
    }

    void ExpectEveryAddressCoveredOnce() {
        ASSERT_FALSE(FRanges.empty());
        EXPECT_TRUE(FRanges.front().start == 0);
        EXPECT_TRUE(FRanges.back().end == AddressFamily<Address>::kLast);
        for (size_t i = 1; i < FRanges.size(); ++i)
            ASSERT_TRUE(FRanges[i].start == FRanges[i - 1].end + 1) << "range " << i + 1;
    }

    std::vector<BasicLocationRange<Address>> FRanges;
};

class DefaultDatabase : public DefaultDatabaseOf<uint32_t> {
protected:
    void SetUp() override { Load(kDatabase, kRanges); }
};

class DefaultIpv6Database : public DefaultDatabaseOf<Ipv6Number> {
protected:
    void SetUp() override { Load(kDatabase6, kRanges6); }
};

}  // namespace

TEST_F(DefaultDatabase, RangesCoverEveryAddressOnce) { ExpectEveryAddressCoveredOnce(); }

TEST_F(DefaultDatabase, ReaderGivesBackEveryRangeTheToolWrote) {
    TQQWry reader(kDatabase);
    ExpectReaderGivesBack(reader, FRanges);
}

TEST_F(DefaultDatabase, EveryRedirectionPathIsUsed) {
    RedirectionCensus census(ReadFileBytes(kDatabase));
    ExpectEveryPathUsed(census);
}

TEST_F(DefaultIpv6Database, RangesCoverEveryAddressOnceInWholeNetworks) {
    ExpectEveryAddressCoveredOnce();
    for (const LocationRange6& range : FRanges)
        ASSERT_TRUE(uint64_t(range.start) == 0 && uint64_t(~range.end) == 0) << FormatIpv6Number(range.start);
}

TEST_F(DefaultIpv6Database, ReaderGivesBackEveryRangeTheToolWrote) {
    TIpdb reader(kDatabase6);
    ExpectIpdbGivesBack(reader, FRanges);
}

// The addresses users type most, in both databases: the special-purpose
// texts hold over whatever the open data says.
TEST_F(DefaultIpv6Database, SpecialPurposeAddressesShowTheirTextsInBothDatabases) {
    struct Case {
        const char* address;
        const char* shown;
    } ipv4[] = {{"192.168.1.1", "局域网私有地址"},   {"10.1.2.3", "局域网私有地址"},
                {"172.16.5.4", "局域网私有地址"},    {"127.0.0.1", "本机回环地址"},
                {"169.254.1.1", "局域网链路本地地址"}, {"100.64.0.1", "运营商内网共享地址空间"},
                {"192.0.2.1", "IANA文档示例地址"},   {"198.18.0.1", "IANA网络基准测试地址"},
                {"224.0.0.1", "IANA组播地址"},       {"240.0.0.1", "IANA保留地址"},
                {"255.255.255.255", "局域网广播地址"}},
      ipv6[] = {{"::1", "本机回环地址"},
                {"fe80::1", "局域网链路本地地址"},
                {"2001:db8::1", "IANA文档示例地址"},
                {"fd12:3456::1", "局域网唯一本地地址"},
                {"ff02::1", "IANA组播地址"},
                {"2001:1::1", "IANA端口控制协议任播地址"},  // its /64, named by the first row in it
                {"2001:1:0:1::", "IANAIETF协议分配地址"}};
    for (const Case& test : ipv4) EXPECT_EQ(LookUpLocation(kDatabase, test.address), test.shown) << test.address;
    for (const Case& test : ipv6)
        EXPECT_EQ(LookUpIpv6Location(kDatabase6, *ParseIpv6(test.address)), test.shown) << test.address;
}

namespace {

struct SourceRange {
    Ipv6Number start;
    Ipv6Number end;
    std::string text;
};

// Rows of one of the open data's IPv6 files; the text is the last field, or
// "AS" and the number where an operator has no name.
std::vector<SourceRange> ReadSource(const std::string& name) {
    std::vector<SourceRange> rows;
    ForEachCsvLine(kData + "/node_modules/@ip-location-db/" + name, [&](const std::vector<std::string>& fields) {
        auto range = ParseRangeFields<Ipv6Number>(fields);
        bool unnamed = fields.size() == 4 && fields[3].empty();
        rows.push_back({range.start, range.end, unnamed ? "AS" + fields[2] : fields.back()});
    });
    return rows;
}

// What the open data says of one address, found by brute force: of the rows
// that hold it the narrowest, of equally narrow ones the last.
const SourceRange* Holding(const std::vector<SourceRange>& rows, Ipv6Number address) {
    const SourceRange* found = nullptr;
    for (const SourceRange& row : rows) {
        bool holds = row.start <= address && address <= row.end;
        if (holds && (!found || row.end - row.start <= found->end - found->start)) found = &row;
    }
    return found;
}

}  // namespace

// An independent check: the first address of a /64 in sampled country ranges
// is looked up in the built file and in the source files themselves.
TEST_F(DefaultIpv6Database, SampleAgreesWithTheOpenData) {
    std::vector<SourceRange> countries = ReadSource("geo-whois-asn-country/geo-whois-asn-country-ipv6-num.csv");
    std::vector<SourceRange> operators = ReadSource("asn/asn-ipv6-num.csv");
    std::unordered_map<std::string, std::string> names;
    ForEachCsvLine(kData + "/country-names.csv", [&](const std::vector<std::string>& f) { names[f[0]] = f[1]; });
    auto special = ReadSpecialBlocks<Ipv6Number>(QUORVIK_SPECIAL_BLOCKS);
    std::setlocale(LC_CTYPE, "C.UTF-8");  // transliteration as in the build
    Utf8ToGbk toGbk;
    int checked = 0;
    for (size_t i = 0; i < countries.size(); i += std::max<size_t>(1, countries.size() / 300)) {
        // The first /64 that starts inside the range.
        Ipv6Number network = (countries[i].start >> 64) + (uint64_t(countries[i].start) != 0);
        Ipv6Number address = network << 64;
        bool nearSpecial = std::any_of(special.begin(), special.end(), [&](const auto& block) {
            return block.start >> 64 <= network && network <= block.end >> 64;
        });
        if (address > countries[i].end || nearSpecial) continue;
        const std::string& code = Holding(countries, address)->text;
        const SourceRange* networkOperator = Holding(operators, address);
        std::string country = CleanCountry(toGbk.Convert(names.contains(code) ? names[code] : code));
        std::string area = networkOperator ? CleanText(toGbk.Convert(networkOperator->text)) : "未知运营商";
        FitRecordLine(country, area);
        EXPECT_EQ(LookUpIpv6Location(kDatabase6, {uint64_t(network), 0}), country + (area.empty() ? "无" : area))
            << FormatIpv6Number(address);
        ++checked;
    }
    EXPECT_GT(checked, 200);
}
