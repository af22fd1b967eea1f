#include "locdb/IpdbReader.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "locdb/LocationLookup.h"
#include "locdb/Utf8Text.h"
#include "tests/locdb/IpdbBytes.h"
#include "tests/locdb/OpenFiles.h"

namespace {

using Fields = std::vector<std::string>;

SystemPath TempPath(const std::string& name) {
    return (std::filesystem::path(testing::TempDir()) / ("FIpdb" + name)).native();
}

Ipv6Address Address(const char* text) { return *ParseIpv6(text); }

std::string Location(const SystemPath& path, const char* address) {
    return LookUpIpv6Location(path, Address(address));
}

std::string MessageOf(const SystemPath& path, const char* address = "::1") {
    try {
        return Location(path, address);
    } catch (const Exception& e) {
        return e.Message();
    }
}

// Three networks from ::, 2001:db8:: and 2400::. The second record shares
// the first one's country through a redirection, the third reaches its
// country through a chain of two.
SystemPath ThreeNetworks(int offsetLength) {
    IpdbBytes db({.offsetLength = offsetLength});
    uint64_t china = db.Text(u8"中国");
    uint64_t first = china;
    db.Text(u8"北京");
    uint64_t second = db.Redirect(2, china);
    db.Text(u8"上海");
    uint64_t usa = db.Text(u8"美国");
    uint64_t hop = db.Redirect(2, usa);
    uint64_t third = db.Redirect(2, hop);
    db.Text(u8"加州");
    db.Entry(0, first);
    db.Entry(0x20010DB800000000, second);
    db.Entry(0x2400000000000000, third);
    return db.WriteTo(TempPath("three" + std::to_string(offsetLength) + ".dat"));
}

}  // namespace

TEST(IpdbReader, EveryOffsetLengthFindsNetworksAndFollowsRedirections) {
    for (int offsetLength : {2, 3, 8}) {
        SystemPath path = ThreeNetworks(offsetLength);
        EXPECT_EQ(Location(path, "::1"), "中国北京") << offsetLength;
        EXPECT_EQ(Location(path, "2001:db7:ffff:ffff:ffff::"), "中国北京") << offsetLength;
        EXPECT_EQ(Location(path, "2001:db8::1"), "中国上海") << offsetLength;   // the start itself
        EXPECT_EQ(Location(path, "2400::"), "美国加州") << offsetLength;        // through two redirections
        EXPECT_EQ(Location(path, "ffff::1"), "美国加州") << offsetLength;       // above the last start
    }
}

TEST(IpdbReader, FieldCountComesFromTheHeaderAndVersionOneMeansTwo) {
    struct Case {
        IpdbHeader header;
        Fields fields;
    } cases[] = {
        {{.fieldCount = 1}, {"日本", "无"}},
        {{.fieldCount = 3}, {"德国", "柏林", "DFN"}},
        {{.fieldCount = 0, .version = 1}, {"德国", "柏林"}},
    };
    for (const Case& test : cases) {
        IpdbBytes db(test.header);
        db.Entry(0, db.Text(test.header.fieldCount == 1 ? u8"日本" : u8"德国"));
        db.Text(u8"柏林");
        db.Text(u8"DFN");
        TIpdb reader(db.WriteTo(TempPath("fields.dat")));
        Fields fields;
        EXPECT_EQ(reader.FillLocation(fields, reader.FindRecordNumber(Address("1::"))), test.fields);
    }
}

TEST(IpdbReader, EmptyFieldReadsNoneAndObsoleteMarkMovesTheRestOfTheRecord) {
    IpdbBytes db;
    uint64_t block = db.Text(u8"英国");
    db.Text(u8"伦敦");
    uint64_t moved = db.Redirect(1, block);
    uint64_t empty = db.Text(u8"法国");
    db.Text(u8"");
    db.Entry(0, moved);
    db.Entry(0x100000000, empty);
    SystemPath path = db.WriteTo(TempPath("marks.dat"));
    EXPECT_EQ(Location(path, "::1"), "英国伦敦");
    EXPECT_EQ(Location(path, "0:1::"), "法国无");
}

TEST(IpdbReader, RedirectionChainsUpToTheLimitAreFollowed) {
    for (int hops : {TIpdb::kMaxRedirections, TIpdb::kMaxRedirections + 1}) {
        IpdbBytes db;
        uint64_t at = db.Text(u8"甲");
        for (int i = 0; i < hops; ++i) at = db.Redirect(2, at);
        db.Text(u8"乙");
        db.Entry(0, at);
        SystemPath path = db.WriteTo(TempPath("chain.dat"));
        EXPECT_EQ(MessageOf(path), hops <= TIpdb::kMaxRedirections ? "甲乙" : "IP数据库文件已损坏！") << hops;
    }
}

TEST(IpdbReader, DamagedOrForeignFilesGiveClearErrors) {
    struct Case {
        const char* what;
        std::function<SystemPath(const SystemPath&)> write;
        const char* message;
    } cases[] = {
        {"address length 16",
         [](const SystemPath& path) {
             IpdbBytes db({.addressLength = 16});
             db.Entry(0, db.Text(u8"甲"));
             return db.WriteTo(path);
         },
         "IPv6数据库的地址长度为 16 字节，只支持 8 字节的地址！"},
        {"no IPDB mark", [](const SystemPath& path) { return QQWryBytes::WriteFile(path, {'I', 'P', 'D'}); },
         "不是IPDB格式的IPv6数据库！"},
        {"version 3",
         [](const SystemPath& path) {
             IpdbBytes db({.version = 3});
             return db.WriteTo(path);
         },
         "不支持版本为 3 的IPv6数据库！"},
        {"offset length 9",
         [](const SystemPath& path) {
             IpdbBytes db({.offsetLength = 9});
             db.Entry(0, db.Text(u8"甲"));
             return db.WriteTo(path);
         },
         "IP数据库文件已损坏！"},
        {"truncated index",
         [](const SystemPath& path) {
             IpdbBytes db;
             db.Entry(0, db.Text(u8"甲"));
             return db.WriteTo(path, 2);
         },
         "IP数据库文件已损坏！"},
        {"record past the end",
         [](const SystemPath& path) {
             IpdbBytes db;
             db.Entry(0, 0xFFFFFF);
             return db.WriteTo(path);
         },
         "IP数据库文件已损坏！"},
        {"redirection loop",
         [](const SystemPath& path) {
             IpdbBytes db;
             uint64_t loop = db.Here();
             db.Redirect(2, loop + 4);
             db.Redirect(2, loop);
             db.Entry(0, loop);
             return db.WriteTo(path);
         },
         "IP数据库文件已损坏！"},
        {"text without its zero",
         [](const SystemPath& path) {
             IpdbBytes db;
             uint64_t record = db.Redirect(2, 32 + 4 + 11);  // to the byte behind the one index entry
             db.Entry(0, record);
             std::vector<uint8_t> bytes = db.Finish();
             bytes.push_back('Z');  // a text that runs to the end of the file
             return QQWryBytes::WriteFile(path, bytes);
         },
         "IP数据库文件已损坏！"},
        {"text beyond the record limit",
         [](const SystemPath& path) {
             IpdbBytes db;
             db.Entry(0, db.Text(std::u8string(TIpdb::kMaxRecordBytes + 1, u8'x')));
             return db.WriteTo(path);
         },
         "IP信息记录过长！"},
    };
    for (const Case& test : cases) {
        SystemPath path = test.write(TempPath("damaged.dat"));
        EXPECT_EQ(MessageOf(path), test.message) << test.what;
    }
}

TEST(IpdbReader, FailedLookupLetsGoOfTheFile) {
    IpdbBytes db;
    db.Entry(0, 0xFFFFFF);
    SystemPath path = db.WriteTo(TempPath("let_go.dat"));
    int openBefore = OpenFileCount();
    TIpdb reader(path);
    Fields fields;
    EXPECT_THROW(reader.FillLocation(fields, 1), Exception);
    EXPECT_EQ(OpenFileCount(), openBefore);
    EXPECT_NO_THROW(TIpdb{path});  // opened without sharing: only a released file opens again
}

TEST(IpdbReader, AddressBelowTheFirstStartHasNoRecord) {
    IpdbBytes db;
    db.Entry(0x2000000000000000, db.Text(u8"甲"));
    SystemPath path = db.WriteTo(TempPath("high.dat"));
    EXPECT_EQ(TIpdb(path).FindRecordNumber(Address("1000::")), 0);
    EXPECT_EQ(MessageOf(path, "1000::"), "IP信息记录号过小或越界！");
}

// The program reacts to a missing IPv6 database as to a missing IPv4 one.
TEST(IpdbReader, MissingOrEmptyFileIsAnsweredAsForTheIpv4Database) {
    SystemPath missing = TempPath("missing.dat");
    std::filesystem::remove(missing);
    EXPECT_EQ(MessageOf(missing), "文件 " + DatabaseFile::DisplayPath(missing) + " 不存在！");
    SystemPath empty = QQWryBytes::WriteFile(TempPath("empty.dat"), {});
    EXPECT_EQ(MessageOf(empty), "文件 " + DatabaseFile::DisplayPath(empty) + " 大小为空！");
}

TEST(Utf8TextToGbk, CharactersOutsideGbkAndBrokenBytesBecomeQuestionMarks) {
    struct Case {
        std::string utf8;
        std::string gbk;
    } cases[] = {
        {reinterpret_cast<const char*>(u8"中国 Telecom"), "中国 Telecom"},
        {reinterpret_cast<const char*>(u8"Société"), "Soci\xA8\xA6t\xA8\xA6"},
        {reinterpret_cast<const char*>(u8"Français"), "Fran?ais"},
        {reinterpret_cast<const char*>(u8"\U0001F600x"), "?x"},  // beyond the BMP
        {"\xC3(", "?("},                                         // a sequence cut short
        {"\xE4\xB8", "?"},
        {"\xED\xA0\x80", "???"},  // a surrogate
        {"\xC0\xAF", "??"},       // an overlong form
        {"\xFF", "?"},
    };
    for (const Case& test : cases) EXPECT_EQ(Utf8TextToGbk(test.utf8), test.gbk) << test.utf8;
}
