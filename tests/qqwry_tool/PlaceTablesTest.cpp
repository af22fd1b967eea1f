// The province and carrier tables, and the build's stop at a province it
// does not know.
#include <gtest/gtest.h>

#include <set>

#include "base/Exception.h"
#include "tools/dbdata/Carriers.h"
#include "tools/dbdata/PlaceTexts.h"
#include "tools/dbdata/Provinces.h"

// Names easily mixed up or spelt otherwise, and one of each kind.
TEST(Provinces, DataNamesGiveTheirCodeAndFullName) {
    struct {
        const char* dataName;
        uint32_t code;
        const char* name;
    } cases[] = {{"Shaanxi", 610000, "陕西省"},         {"Shanxi", 140000, "山西省"},
                 {"Inner Mongolia", 150000, "内蒙古自治区"}, {"Tibet", 540000, "西藏自治区"},
                 {"Guangxi", 450000, "广西壮族自治区"}, {"Ningxia", 640000, "宁夏回族自治区"},
                 {"Xinjiang", 650000, "新疆维吾尔自治区"}, {"Chongqing", 500000, "重庆市"},
                 {"Heilongjiang", 230000, "黑龙江省"},  {"Hong Kong", 810000, "香港特别行政区"},
                 {"Macao", 820000, "澳门特别行政区"},   {"Taiwan", 710000, "台湾省"}};
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
        EXPECT_TRUE(codes.insert(province.code).second && province.code % 10000 == 0) << province.dataName;
        EXPECT_TRUE(dataNames.insert(province.dataName).second && names.insert(province.name).second);
    }
}

TEST(Provinces, UnknownNameStopsTheBuildNamingIt) {
    try {
        CountryText({"CN", "Xizang"}, "中国");
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_NE(e.Message().find("\"Xizang\""), std::string::npos) << e.what();
    }
}

TEST(Carriers, MainNetworksHaveTheNamesUsersKnow) {
    struct {
        uint32_t asNumber;
        const char* carrier;
    } cases[] = {{4134, "电信"},    {4809, "电信"},    {23724, "电信"},  {4837, "联通"},     {9929, "联通"},
                 {9808, "移动"},    {56046, "移动"},   {9394, "铁通"},   {4538, "教育网"},   {23910, "教育网"},
                 {7497, "科技网"},  {17429, "广电"},   {17964, "鹏博士"}, {37963, "阿里云"}, {45090, "腾讯云"},
                 {55990, "华为云"}, {38365, "百度云"}, {137718, "火山引擎"}};
    for (const auto& test : cases) EXPECT_STREQ(FindCarrier(test.asNumber), test.carrier) << test.asNumber;
    for (uint32_t other : {0u, 13335u, 4294967295u}) EXPECT_EQ(FindCarrier(other), nullptr) << other;
}

// The lookup searches by halves, so an unsorted or doubled row would hide.
TEST(Carriers, EveryAsNumberOnceInOrder) {
    auto carriers = Carriers();
    for (size_t i = 1; i < carriers.size(); ++i) EXPECT_LT(carriers[i - 1].asNumber, carriers[i].asNumber) << i;
}
