// The province and carrier tables and the rules that name a place by them.
#include <gtest/gtest.h>

#include <set>

#include "base/Exception.h"
#include "tools/dbdata/Carriers.h"
#include "tools/dbdata/PlaceTexts.h"
#include "tools/dbdata/Provinces.h"

// Names that are easily mixed up or spelt otherwise, and one of each kind.
TEST(Provinces, DataNamesGiveTheirCodeAndFullName) {
    struct {
        const char* dataName;
        uint32_t code;
        const char* name;
    } cases[] = {
        {"Shaanxi", 610000, "陕西省"},          {"Shanxi", 140000, "山西省"},
        {"Inner Mongolia", 150000, "内蒙古自治区"}, {"Tibet", 540000, "西藏自治区"},
        {"Guangxi", 450000, "广西壮族自治区"},  {"Ningxia", 640000, "宁夏回族自治区"},
        {"Xinjiang", 650000, "新疆维吾尔自治区"}, {"Beijing", 110000, "北京市"},
        {"Chongqing", 500000, "重庆市"},        {"Heilongjiang", 230000, "黑龙江省"},
        {"Hong Kong", 810000, "香港特别行政区"}, {"Macao", 820000, "澳门特别行政区"},
        {"Taiwan", 710000, "台湾省"},
    };
    for (const auto& test : cases) {
        const Province* province = FindProvince(test.dataName);
        ASSERT_NE(province, nullptr) << test.dataName;
        EXPECT_EQ(province->code, test.code) << test.dataName;
        EXPECT_STREQ(province->name, test.name) << test.dataName;
    }
    for (const char* unknown : {"", "shaanxi", "Atlantis"}) EXPECT_EQ(FindProvince(unknown), nullptr) << unknown;
}

TEST(Provinces, ThirtyFourDivisionsEachOnce) {
    std::set<uint32_t> codes;
    std::set<std::string> dataNames, names;
    for (const Province& province : kProvinces) {
        codes.insert(province.code);
        dataNames.insert(province.dataName);
        names.insert(province.name);
        EXPECT_EQ(province.code % 10000, 0u) << province.dataName << " is no province-level code";
    }
    EXPECT_EQ(codes.size(), 34u);
    EXPECT_EQ(dataNames.size(), 34u);
    EXPECT_EQ(names.size(), 34u);
}

TEST(Carriers, MainNetworksHaveTheNamesUsersKnow) {
    struct {
        uint32_t asNumber;
        const char* carrier;
    } cases[] = {
        {4134, "电信"},   {4809, "电信"},     {23724, "电信"},  {4837, "联通"},    {9929, "联通"},
        {9808, "移动"},   {56046, "移动"},    {9394, "铁通"},   {4538, "教育网"},  {23910, "教育网"},
        {7497, "科技网"}, {17429, "广电"},    {17964, "鹏博士"}, {37963, "阿里云"}, {45090, "腾讯云"},
        {55990, "华为云"}, {38365, "百度云"}, {137718, "火山引擎"},
    };
    for (const auto& test : cases) {
        const char* carrier = FindCarrier(test.asNumber);
        ASSERT_NE(carrier, nullptr) << "AS" << test.asNumber;
        EXPECT_STREQ(carrier, test.carrier) << "AS" << test.asNumber;
    }
    for (uint32_t other : {0u, 1u, 13335u, 4294967295u}) EXPECT_EQ(FindCarrier(other), nullptr) << "AS" << other;
}

// The lookup searches by halves, so an unsorted or doubled row would hide.
TEST(Carriers, EveryAsNumberOnceInOrder) {
    auto carriers = Carriers();
    for (size_t i = 1; i < carriers.size(); ++i)
        EXPECT_LT(carriers[i - 1].asNumber, carriers[i].asNumber) << "row " << i + 1;
    for (const Carrier& carrier : carriers) EXPECT_STREQ(FindCarrier(carrier.asNumber), carrier.name);
}

TEST(PlaceTexts, MainlandGetsProvinceAndCarrierElsewhereCountryAndOperator) {
    NetworkOperator telecom{4134, "Chinanet"}, cnnic{24406, "China Internet Network Infomation Center"};
    EXPECT_EQ(CountryText({"CN", "Shaanxi"}, "中国"), "陕西省");
    EXPECT_EQ(CountryText({"CN", ""}, "中国"), "中国");
    EXPECT_EQ(CountryText({"HK", "Kowloon"}, "香港"), "香港");
    EXPECT_EQ(AreaText(true, &telecom), "电信");
    EXPECT_EQ(AreaText(true, &cnnic), cnnic.name);
    EXPECT_EQ(AreaText(false, &telecom), "Chinanet");
    EXPECT_EQ(AreaText(true, nullptr), "未知运营商");
    EXPECT_EQ(AreaText(false, nullptr), "未知运营商");
}

TEST(PlaceTexts, UnknownProvinceStopsTheBuildNamingIt) {
    try {
        CountryText({"CN", "Xizang"}, "中国");
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_NE(e.Message().find("\"Xizang\""), std::string::npos) << e.what();
    }
}
