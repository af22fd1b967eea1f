#include "locdb/AddressLookup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/Exception.h"
#include "tests/locdb/IpdbBytes.h"
#include "tests/locdb/QQWryBytes.h"

namespace {

SystemPath TempPath(const std::string& name) {
    return (std::filesystem::path(testing::TempDir()) / ("FAddressLookup" + name)).native();
}

SystemPath Ipv4Database() {
    QQWryBytes db;
    db.Entry(0x00000000, db.InlineRecord(0xFFFFFFFF, "中国", "北京"));
    return db.WriteTo(TempPath("4.dat"));
}

SystemPath Ipv6Database() {
    IpdbBytes db;
    db.Entry(0, db.Text(u8"日本"));
    db.Text(u8"东京");
    return db.WriteTo(TempPath("6.dat"));
}

SystemPath Missing() {
    SystemPath path = TempPath("missing.dat");
    std::filesystem::remove(path);
    return path;
}

}  // namespace

// Each database is opened only by a text that needs it, so one missing file
// stops only the lookups it would answer.
TEST(AddressLookup, MissingDatabaseFailsOnlyTheTextsThatNeedIt) {
    TAddressLookup withoutIpv6(Ipv4Database(), Missing());
    EXPECT_EQ(withoutIpv6.LookUp("1.2.3.4").Location, "中国北京");
    EXPECT_EQ(withoutIpv6.LookUp("::ffff:1.2.3.4").Location, "中国北京");
    EXPECT_THROW(withoutIpv6.LookUp("2001:db8::1"), Exception);

    TAddressLookup withoutIpv4(Missing(), Ipv6Database());
    EXPECT_EQ(withoutIpv4.LookUp("2001:db8::1").Location, "日本东京");
    EXPECT_THROW(withoutIpv4.LookUp("1.2.3.4"), Exception);
}

#ifndef _WIN32
// A batch asks one lookup for thousands of lines: the files are opened once,
// so they answer on even after they are gone from the folder.
TEST(AddressLookup, ReadersStayOpenFromTheirFirstText) {
    SystemPath ipv4 = Ipv4Database(), ipv6 = Ipv6Database();
    TAddressLookup lookup(ipv4, ipv6);
    lookup.LookUp("1.2.3.4");
    lookup.LookUp("::1");
    std::filesystem::remove(ipv4);
    std::filesystem::remove(ipv6);
    EXPECT_EQ(lookup.LookUp("5.6.7.8").Location, "中国北京");
    EXPECT_EQ(lookup.LookUp("fe80::1").Location, "日本东京");
}
#endif
