#include "tools/dbdata/Carriers.h"

#include <algorithm>
#include <iterator>

// The networks behind nearly all of mainland China's addresses in the
// pinned operator data, each with the operator name that data gives it.
// Sorted by AS number.
const Carrier kCarriers[] = {
    {4134, "电信"},  // Chinanet
    {4538, "教育网"},  // China Education and Research Network Center
    {4808, "联通"},  // China Unicom Beijing Province Network
    {4809, "电信"},  // China Telecom Next Generation Carrier Network
    {4811, "电信"},  // China Telecom (Group)
    {4812, "电信"},  // China Telecom (Group)
    {4816, "电信"},  // China Telecom (Group)
    {4835, "电信"},  // China Telecom (Group)
    {4837, "联通"},  // CHINA UNICOM China169 Backbone
    {7497, "科技网"},  // CNIC-CAS
    {7641, "广电"},  // China Broadcasting TV Net
    {9394, "铁通"},  // China TieTong Telecommunications Corporation
    {9808, "移动"},  // China Mobile
    {9812, "广电"},  // Oriental Cable Network Co., Ltd.
    {9929, "联通"},  // CHINA UNICOM Industrial Internet Backbone
    {17429, "广电"},  // BEIJING GEHUA CATV NETWORK CO.LTD
    {17621, "联通"},  // China Unicom Shanghai network
    {17622, "联通"},  // China Unicom Guangzhou network
    {17623, "联通"},  // China Unicom Shenzen network
    {17633, "电信"},  // ASN for Shandong Provincial Net of CT
    {17638, "电信"},  // ASN for TIANJIN Provincial Net of CT
    {17789, "联通"},  // CNCGROUP IP network of ShangHai IDC
    {17799, "电信"},  // asn for Liaoning Provincial Net of CT
    {17816, "联通"},  // China Unicom IP network China169 Guangdong province
    {17897, "电信"},  // asn for Heilongjiang Provincial Net of CT
    {17962, "广电"},  // ShenZhen Topway Video Communication Co. Ltd
    {17964, "鹏博士"},  // Beijing Dian-Xin-Tong Network Technologies Co., Ltd.
    {17965, "科技网"},  // CSTNET - CHINA SCIENCE AND TECHNOLOGY NETWORK
    {17969, "广电"},  // ChongQing Broadcast & TV Transfer Network Co. Ltd
    {23650, "电信"},  // Chinanet Jiangsu
    {23724, "电信"},  // IDC, China Telecommunications Corporation
    {23771, "广电"},  // SXBCTV ,Internet Service Provider,
    {23910, "教育网"},  // China Next Generation Internet CERNET2
    {24138, "铁通"},  // China TieTong Telecommunications Corporation
    {24139, "广电"},  // Huashu media&Network Limited
    {24143, "广电"},  // Qingdao Cable TV Network Center
    {24350, "教育网"},  // CERNET2 IX at Beijing University of Posts and Telecommunications
    {24353, "教育网"},  // CERNET2 IX at Xi'an Jiaotong University
    {24355, "教育网"},  // CERNET2 IX at University of Electronic Science and Technology of China
    {24358, "教育网"},  // CERNET2 IX at Huazhong University of Science and Technology
    {24361, "教育网"},  // CERNET2 IX at Southeast University
    {24362, "教育网"},  // CERNET2 IX at University of Science and Technology of China
    {24364, "教育网"},  // CERNET2 IX at Shanghai Jiaotong University
    {24400, "移动"},  // China Mobile
    {24444, "移动"},  // China Mobile
    {24445, "移动"},  // China Mobile
    {24547, "移动"},  // China Mobile
    {37937, "电子政务网"},  // China eGovNet Information Center
    {37963, "阿里云"},  // Hangzhou Alibaba Advertising Co.,Ltd.
    {38019, "移动"},  // China Mobile
    {38283, "电信"},  // CHINANET SiChuan Telecom Internet Data Center
    {38365, "百度云"},  // Beijing Baidu Netcom Science and Technology Co., Ltd.
    {45083, "联通"},  // China UNICOM, Beijing Branch
    {45090, "腾讯云"},  // Shenzhen Tencent Computer Systems Company Limited
    {45102, "阿里云"},  // Alibaba (US) Technology Co., Ltd.
    {45106, "广电"},  // JIANGSU BROADCASTING DATA NETWORK CORPORATION LIMITED
    {55967, "百度云"},  // Beijing Baidu Netcom Science and Technology Co., Ltd.
    {55990, "华为云"},  // Huawei Cloud Service data center
    {56040, "移动"},  // China Mobile Communications Corporation
    {56041, "移动"},  // China Mobile Communications Corporation
    {56042, "移动"},  // China Mobile Communications Corporation
    {56044, "移动"},  // China Mobile Communications Corporation
    {56045, "移动"},  // China Mobile Communications Corporation
    {56046, "移动"},  // China Mobile Communications Corporation
    {56047, "移动"},  // China Mobile Communications Corporation
    {56048, "移动"},  // China Mobile Communications Corporation
    {58461, "电信"},  // Chinanet
    {58466, "电信"},  // CHINANET Guangdong province network
    {58563, "电信"},  // CHINANET Hubei province network
    {58772, "电信"},  // CHINANET Fujian province Fuzhou IDC network
    {58807, "移动"},  // China Mobile International Limited
    {58834, "广电"},  // Guangdong Cable Corporation Limited
    {59016, "广电"},  // China Broadcast Henan Network Co., Ltd
    {59019, "金山云"},  // Beijing Kingsoft Cloud Internet Technology Co., Ltd
    {59077, "UCloud"},  // Shanghai UCloud Information Technology Company Limited
    {59223, "电信"},  // CHINANET Qinghai province IDC network
    {63590, "广电"},  // Hebei Broadcasting&TV Network
    {131285, "电信"},  // China Telecom
    {131325, "电信"},  // CHINATELECOM JIANGSU province NANTONG MAN network
    {131536, "鹏博士"},  // Shanghai Great Wall Broadband Network Service Co., Ltd.
    {131562, "广电"},  // HUNAN CATV Network Group CO.,LTD.
    {131565, "广电"},  // INNER MONGOLIA BROADCAST&TV NETWORK GROUP CORPORATION
    {132203, "腾讯云"},  // Shenzhen Tencent Computer Systems Company Limited
    {132225, "电信"},  // China Telecom
    {132510, "移动"},  // China Mobile Communications Corporation
    {132525, "移动"},  // China Mobile Communications Corporation
    {132591, "腾讯云"},  // Tencent AS num for global network
    {133111, "教育网"},  // CERNET New Technology Co., Ltd
    {133118, "联通"},  // China Unicom IP network
    {133119, "联通"},  // China Unicom IP network
    {133478, "腾讯云"},  // Tencent Cloud Computing (Beijing) Co., Ltd
    {134238, "电信"},  // CHINANET Jiangx province IDC network
    {134420, "电信"},  // Chongqing Telecom
    {134425, "电信"},  // China Telecom
    {134542, "联通"},  // China Unicom IP network
    {134543, "联通"},  // China Unicom Guangdong IP network
    {134756, "电信"},  // China Telecom
    {134760, "电信"},  // Shijiazhuang IDC network, CHINANET Hebei province
    {134761, "电信"},  // CHINANET NINGXIA province ZHONGWEI IDC network
    {134762, "电信"},  // CHINANET Liaoning province Dalian MAN network
    {134763, "电信"},  // CHINANET Guangdong province network
    {134764, "电信"},  // CHINANET Guangdong province network
    {134765, "电信"},  // CHINANET Yunnan province IDC1 network
    {134766, "电信"},  // CHINANET Yunnan province IDC2 network
    {134768, "电信"},  // CHINANET SHAANXI province Cloud Base network
    {134769, "电信"},  // ChinaNet Jiangsu Changzhou Liyang IDC network
    {134770, "电信"},  // CHINANET Jiangsu province Suzhou taihu IDC network
    {134772, "电信"},  // CHINANET Guangdong province Dongguan MAN network
    {134773, "电信"},  // CHINANET Guangdong province Guangzhou MAN network
    {134774, "电信"},  // CHINANET Guangdong province Shenzhen MAN network
    {134810, "移动"},  // China Mobile Communications Corporation
    {134963, "阿里云"},  // Alibaba Cloud (Singapore) Private Limited
    {135061, "联通"},  // China Unicom Guangdong IP network
    {135089, "电信"},  // China Telecom
    {136199, "电信"},  // CHINANET Guangdong province Yuedong MAN network
    {136200, "电信"},  // CHINANET Guangdong province Foshan MAN network
    {136907, "华为云"},  // HUAWEI INTERNATIONAL PTE. LTD.
    {136958, "联通"},  // China Unicom Guangdong IP network
    {136959, "联通"},  // China Unicom Guangdong IP network
    {137266, "电信"},  // China Telecom
    {137539, "联通"},  // China Unicom
    {137688, "电信"},  // CHINATELECOM Liaoning Benxi MAN
    {137689, "电信"},  // IOT Jiangsu network, Chinatelecom, P.R.China.
    {137692, "电信"},  // IOT Guangdong network, Chinatelecom, P.R.China.
    {137693, "电信"},  // CHINATELECOM Guangxi Nanning IDC network Nanning
    {137694, "电信"},  // CHINATELECOM Xinjiang Kezhou MAN network
    {137695, "电信"},  // CHINATELECOM Xinjiang Wulumuqi MAN network
    {137697, "电信"},  // CHINATELECOM JiangSu YangZhou IDC network YangZhou
    {137699, "电信"},  // CHINATELECOM Jiangsu Suqian IDC network
    {137702, "电信"},  // China Telecom
    {137718, "火山引擎"},  // Beijing Volcano Engine Technology Co., Ltd.
    {138169, "电信"},  // China Telecom
    {138371, "教育网"},  // China Education and Research Network (CERNET)
    {138378, "教育网"},  // China Education and Research Network (CERNET)
    {138407, "移动"},  // China Mobile Communications Corporation
    {138421, "联通"},  // China Unicom
    {138950, "电信"},  // China Telecom
    {138982, "电信"},  // China Telecom
    {139007, "联通"},  // UNICOM InnerMongolia province network
    {139018, "电信"},  // China Telecom
    {139080, "移动"},  // China Mobile Communications Corporation
    {139201, "电信"},  // China Telecom
    {139203, "电信"},  // China Telecom
    {139220, "电信"},  // China Telecom
    {139587, "电信"},  // China Telecom
    {140061, "电信"},  // China Telecom
    {140083, "电信"},  // China Telecom
    {140105, "移动"},  // China Mobile Communications Corporation
    {140292, "电信"},  // China Telecom
    {140293, "电信"},  // China Telecom
    {140308, "电信"},  // China Telecom
    {140309, "电信"},  // China Telecom
    {140311, "电信"},  // China Telecom
    {140318, "电信"},  // China Telecom
    {140319, "电信"},  // China Telecom
    {140320, "电信"},  // China Telecom
    {140345, "电信"},  // China Telecom
    {140485, "电信"},  // China Telecom
    {140486, "电信"},  // China Telecom
    {140527, "电信"},  // China Telecom
    {140553, "电信"},  // China Telecom
    {140636, "电信"},  // China Telecom
    {140638, "电信"},  // China Telecom
    {140647, "电信"},  // China Telecom
    {140716, "联通"},  // China Unicom
    {140717, "联通"},  // China Unicom
    {140726, "联通"},  // China Unicom
    {140979, "联通"},  // China Unicom
    {141425, "移动"},  // China Mobile Communications Corporation
    {141679, "电信"},  // China Telecom
    {141739, "电信"},  // China Telecom
    {141771, "电信"},  // China Telecom
    {141998, "电信"},  // China Telecom
    {142404, "电信"},  // China Telecom
    {146838, "广电"},  // China Broadcasting TV Net
    {146966, "电信"},  // China Telecom
    {147038, "电信"},  // China Telecom
    {148969, "电信"},  // China Telecom
    {148981, "电信"},  // China Telecom
    {149178, "电信"},  // China Telecom
    {149837, "电信"},  // China Telecom
    {150145, "电信"},  // China Telecom
    {151185, "电信"},  // China Telecom
    {151397, "电信"},  // China Telecom
    {151823, "电信"},  // China Telecom
    {152120, "联通"},  // China Unicom
};

std::span<const Carrier> Carriers() { return kCarriers; }

const char* FindCarrier(uint32_t asNumber) {
    auto found = std::lower_bound(std::begin(kCarriers), std::end(kCarriers), asNumber,
                                  [](const Carrier& carrier, uint32_t number) { return carrier.asNumber < number; });
    return found != std::end(kCarriers) && found->asNumber == asNumber ? found->name : nullptr;
}
