#include "tools/dbdata/Provinces.h"

#include <algorithm>
#include <iterator>

// The English names are DB-IP's: "Shaanxi" and "Shanxi" are two provinces,
// and the autonomous regions go by their short names ("Tibet", not "Xizang").
const Province kProvinces[34] = {
    {"Beijing", 110000, "北京市"},
    {"Tianjin", 120000, "天津市"},
    {"Hebei", 130000, "河北省"},
    {"Shanxi", 140000, "山西省"},
    {"Inner Mongolia", 150000, "内蒙古自治区"},
    {"Liaoning", 210000, "辽宁省"},
    {"Jilin", 220000, "吉林省"},
    {"Heilongjiang", 230000, "黑龙江省"},
    {"Shanghai", 310000, "上海市"},
    {"Jiangsu", 320000, "江苏省"},
    {"Zhejiang", 330000, "浙江省"},
    {"Anhui", 340000, "安徽省"},
    {"Fujian", 350000, "福建省"},
    {"Jiangxi", 360000, "江西省"},
    {"Shandong", 370000, "山东省"},
    {"Henan", 410000, "河南省"},
    {"Hubei", 420000, "湖北省"},
    {"Hunan", 430000, "湖南省"},
    {"Guangdong", 440000, "广东省"},
    {"Guangxi", 450000, "广西壮族自治区"},
    {"Hainan", 460000, "海南省"},
    {"Chongqing", 500000, "重庆市"},
    {"Sichuan", 510000, "四川省"},
    {"Guizhou", 520000, "贵州省"},
    {"Yunnan", 530000, "云南省"},
    {"Tibet", 540000, "西藏自治区"},
    {"Shaanxi", 610000, "陕西省"},
    {"Gansu", 620000, "甘肃省"},
    {"Qinghai", 630000, "青海省"},
    {"Ningxia", 640000, "宁夏回族自治区"},
    {"Xinjiang", 650000, "新疆维吾尔自治区"},
    {"Taiwan", 710000, "台湾省"},
    {"Hong Kong", 810000, "香港特别行政区"},
    {"Macao", 820000, "澳门特别行政区"},
};

const Province* FindProvince(std::string_view dataName) {
    auto found = std::find_if(std::begin(kProvinces), std::end(kProvinces),
                              [&](const Province& province) { return dataName == province.dataName; });
    return found == std::end(kProvinces) ? nullptr : found;
}
