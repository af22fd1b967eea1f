#include "locdb/QQWryReader.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "locdb/LocationLookup.h"
#include "tests/locdb/OpenFiles.h"
#include "tests/locdb/QQWryBytes.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

SystemPath TempPath(const std::string& name) {
    return (std::filesystem::path(testing::TempDir()) / ("FQqwry" + name)).native();
}

std::string Shown(const SystemPath& path) { return DatabaseFile::DisplayPath(path); }

std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "(no error)";
}

// What a caller shows: items 2 and 3 of the location record, joined.
std::string Location(const SystemPath& path, const std::string& address) {
    TQQWry reader(path);
    TStringList list;
    reader.FillLocation(list, reader.FindRecordNumber(address));
    return list[2] + list[3];
}

TStringList Record(const SystemPath& path, int64_t recordNumber) {
    TQQWry reader(path);
    TStringList list;
    reader.FillLocation(list, recordNumber);
    return list;
}

// After a failed lookup nothing of the file may stay held: on Windows a
// handle left open or the named mapping would make the next reader fail.
void ExpectNextReaderWorks(const SystemPath& path, int openFilesBefore) {
    EXPECT_EQ(OpenFileCount(), openFilesBefore);
    EXPECT_NO_THROW(Location(path, "0.0.0.0"));
}

// Three ranges: 0.0.0.0-1.2.3.255, 1.2.4.0-9.255.255.255, 10.0.0.0-255.255.255.255.
SystemPath ThreeRanges() {
    QQWryBytes db;
    db.Entry(0x00000000, db.InlineRecord(0x010203FF, "本地", "保留"));
    db.Entry(0x01020400, db.InlineRecord(0x09FFFFFF, "中国", "北京"));
    db.Entry(0x0A000000, db.InlineRecord(0xFFFFFFFF, "纯真网络", "无数据"));
    return db.WriteTo(TempPath("three.dat"));
}

}  // namespace

TEST(AddressToNumber, WellFormedAddressesGiveTheirNumber) {
    EXPECT_EQ(TQQWry::AddressToNumber("1.2.3.4"), 0x01020304);
    EXPECT_EQ(TQQWry::AddressToNumber("0.0.0.0"), 0);
    EXPECT_EQ(TQQWry::AddressToNumber("255.255.255.255"), 4294967295);
    EXPECT_EQ(TQQWry::AddressToNumber(" 1.2.3.4"), 16909060);  // blanks in front are allowed
}

TEST(AddressToNumber, FailingPieceKeepsOnlyThePiecesRightOfIt) {
    EXPECT_EQ(TQQWry::AddressToNumber(""), 0);
    EXPECT_EQ(TQQWry::AddressToNumber("1.2.3"), 0);
    EXPECT_EQ(TQQWry::AddressToNumber("a.b.c.d"), 0);
    EXPECT_EQ(TQQWry::AddressToNumber("1.2.x.4"), 4);
    EXPECT_EQ(TQQWry::AddressToNumber("1.2.3.4 "), 0);  // a trailing blank fails the last piece
    EXPECT_EQ(TQQWry::AddressToNumber("1..3.4"), 3 * 256 + 4);
    EXPECT_EQ(TQQWry::AddressToNumber("1.2.3.2147483648"), 0);  // beyond the 32-bit range
}

TEST(AddressToNumber, PiecesAreNotLimitedToAByte) {
    EXPECT_EQ(TQQWry::AddressToNumber("1.2.3.4.5"), 16909060);
    EXPECT_EQ(TQQWry::AddressToNumber("1.2.3.300"), TQQWry::AddressToNumber("1.2.4.44"));
    EXPECT_EQ(TQQWry::AddressToNumber("256.0.0.0"), 4294967296);
    EXPECT_EQ(TQQWry::AddressToNumber("-1.0.0.0"), -16777216);
    EXPECT_EQ(TQQWry::AddressToNumber("+1.0.0.0"), 16777216);
}

TEST(AddressToNumber, HexadecimalPiecesConvert) {
    EXPECT_EQ(TQQWry::AddressToNumber("$10.0.0.1"), 268435457);
    EXPECT_EQ(TQQWry::AddressToNumber("0x10.0.0.1"), 268435457);
    EXPECT_EQ(TQQWry::AddressToNumber("X10.0.0.1"), 268435457);
    EXPECT_EQ(TQQWry::AddressToNumber("1.2.3.0x"), 0);  // a prefix without digits
}

TEST(FindRecordNumber, PicksTheRangeByItsStart) {
    SystemPath path = ThreeRanges();
    TQQWry reader(path);
    EXPECT_EQ(reader.RecordCount(), 3);
    EXPECT_EQ(reader.FindRecordNumber("1.2.4.0"), 2);   // equal to a start
    EXPECT_EQ(reader.FindRecordNumber("1.2.3.255"), 1);  // one below it
    EXPECT_EQ(reader.FindRecordNumber("10.0.0.0"), 3);
    EXPECT_EQ(reader.FindRecordNumber("200.1.1.1"), 3);  // above the last start
    EXPECT_EQ(reader.FindRecordNumber("256.0.0.0"), 3);  // beyond any address
    EXPECT_EQ(reader.FindRecordNumber("nonsense"), 1);
}

TEST(FindRecordNumber, NumberBelowTheFirstStartEndsWithoutARecord) {
    QQWryBytes db;
    db.Entry(0, db.InlineRecord(0xFF, "A", "B"));
    db.Entry(0x100, db.InlineRecord(0xFFFFFFFF, "C", "D"));
    TQQWry reader(db.WriteTo(TempPath("two.dat")));
    int64_t number = reader.FindRecordNumber("-1.0.0.0");
    EXPECT_EQ(number, 0);
    TStringList list;
    EXPECT_EQ(MessageOf([&] { reader.FillLocation(list, number); }), "IP信息记录号过小或越界！");
}

TEST(FindRecordNumber, SingleEntryAnswersEveryAddress) {
    QQWryBytes db;
    db.Entry(0x05000000, db.InlineRecord(0xFFFFFFFF, "A", "B"));
    TQQWry reader(db.WriteTo(TempPath("single.dat")));
    EXPECT_EQ(reader.FindRecordNumber("1.1.1.1"), 1);
    EXPECT_EQ(reader.FindRecordNumber("250.1.1.1"), 1);
}

TEST(FindRecordNumber, UnsortedIndexStillEnds) {
    QQWryBytes db;
    uint32_t record = db.InlineRecord(0xFFFFFFFF, "A", "B");
    for (uint32_t start : {50u, 40u, 30u, 20u, 10u}) db.Entry(start, record);
    TQQWry reader(db.WriteTo(TempPath("unsorted.dat")));
    for (const char* address : {"0.0.0.5", "0.0.0.35", "0.0.0.60"}) {
        int64_t number = reader.FindRecordNumber(address);
        EXPECT_TRUE(number >= 0 && number <= 5) << address;
    }
}

TEST(FillLocation, RecordLineGivesRangeCountryAndArea) {
    TStringList list = Record(ThreeRanges(), 2);
    EXPECT_EQ(list, (TStringList{"1.2.4.0", "9.255.255.255", "中国", "北京"}));
}

TEST(FillLocation, RedirectionsLeadToTheSharedTexts) {
    QQWryBytes db;
    uint32_t country = db.Text("美国");
    uint32_t area = db.Text("加州");
    uint32_t inlinePlace = db.Here();  // a place block that other records point at
    db.Text("日本");
    db.Text("东京");
    uint32_t redirectedPlace = db.Redirect(2, country);  // country elsewhere, area behind it
    db.Text("纽约");

    uint32_t mode1Text = db.Here();
    db.U32(0x000000FF);
    db.Redirect(1, inlinePlace);
    uint32_t mode1Redirect = db.Here();
    db.U32(0x000001FF);
    db.Redirect(1, redirectedPlace);
    uint32_t mode2 = db.Here();
    db.U32(0x000002FF);
    db.Redirect(2, country);
    db.Text("德州");
    uint32_t areaRedirect = db.Here();
    db.U32(0x000003FF);
    db.Text("英国");
    db.Redirect(2, area);
    uint32_t areaToZero = db.Here();
    db.U32(0xFFFFFFFF);
    db.Redirect(2, country);
    db.Redirect(1, 0);

    db.Entry(0x000, mode1Text);
    db.Entry(0x100, mode1Redirect);
    db.Entry(0x200, mode2);
    db.Entry(0x300, areaRedirect);
    db.Entry(0x400, areaToZero);
    SystemPath path = db.WriteTo(TempPath("modes.dat"));

    EXPECT_EQ(Location(path, "0.0.0.1"), "日本东京");
    EXPECT_EQ(Location(path, "0.0.1.1"), "美国纽约");
    EXPECT_EQ(Location(path, "0.0.2.1"), "美国德州");
    EXPECT_EQ(Location(path, "0.0.3.1"), "英国加州");
    EXPECT_EQ(Location(path, "0.0.4.1"), "美国未知地区");
    EXPECT_EQ(Record(path, 5)[1], "255.255.255.255");
}

TEST(FillLocation, MissingTextsBecomeNone) {
    QQWryBytes db;
    db.Entry(0, db.InlineRecord(0xFF, "中国", ""));
    db.Entry(0x100, db.InlineRecord(0xFFFFFFFF, "", ""));
    SystemPath path = db.WriteTo(TempPath("empty_texts.dat"));
    EXPECT_EQ(Record(path, 1), (TStringList{"0.0.0.0", "0.0.0.255", "中国", "无"}));
    EXPECT_EQ(Record(path, 2), (TStringList{"0.0.1.0", "255.255.255.255", "无", "无"}));
}

TEST(FillLocation, BlanksInTextsSplitFieldsAndExtraFieldsJoinTheArea) {
    QQWryBytes db;
    db.Entry(0, db.InlineRecord(0xFF, "New York", "Lab"));
    db.Entry(0x100, db.InlineRecord(0x1FF, "甲,乙", "\"丙 \"\"丁\"\"\""));
    db.Entry(0x200, db.InlineRecord(0xFFFFFFFF, "X", "a,"));
    SystemPath path = db.WriteTo(TempPath("fields.dat"));
    EXPECT_EQ(Record(path, 1), (TStringList{"0.0.0.0", "0.0.0.255", "New", "York Lab", "Lab"}));
    EXPECT_EQ(Record(path, 2), (TStringList{"0.0.1.0", "0.0.1.255", "甲", "乙 丙 \"丁\"", "丙 \"丁\""}));
    // A comma that ends the line adds one empty field.
    EXPECT_EQ(Record(path, 3), (TStringList{"0.0.2.0", "255.255.255.255", "X", "a ", ""}));
}

TEST(FillLocation, DoubleByteCharacterIsSteppedOverWhole) {
    QQWryBytes db;
    // Lead bytes followed by a comma and a quote: odd text, but one character each.
    db.Entry(0, db.InlineRecord(0xFFFFFFFF, "\x81,\x81\"x", "\"\x81\"q"));
    TStringList list = Record(db.WriteTo(TempPath("dbcs.dat")), 1);
    EXPECT_EQ(list[2], "\x81,\x81\"x");
    EXPECT_EQ(list[3], "\x81\"q");  // the unclosed quoted field runs to the end
}

TEST(FindRecordNumber, TwoEntriesWithTheSameStartGiveNoRecord) {
    QQWryBytes db;
    db.Entry(0, db.InlineRecord(4, "A", "a"));
    db.Entry(5, db.InlineRecord(5, "B", "b"));
    db.Entry(5, db.InlineRecord(9, "C", "c"));
    db.Entry(10, db.InlineRecord(0xFFFFFFFF, "D", "d"));
    SystemPath path = db.WriteTo(TempPath("same_start.dat"));
    EXPECT_EQ(TQQWry(path).FindRecordNumber("0.0.0.5"), 0);
    EXPECT_EQ(MessageOf([&] { Location(path, "0.0.0.5"); }), "IP信息记录号过小或越界！");
    EXPECT_EQ(Location(path, "0.0.0.6"), "Cc");
}

// The line's end goes over a blank that ends the place text, so a quoted
// field left open at the end of the line takes no trailing blank.
TEST(FillLocation, LineEndIsWrittenOverATrailingBlank) {
    QQWryBytes db;
    db.Entry(0, db.InlineRecord(0xFFFFFFFF, "\"A", "B "));
    SystemPath path = db.WriteTo(TempPath("trailing_blank.dat"));
    TStringList list = Record(path, 1);
    ASSERT_GE(list.size(), 3u);
    EXPECT_EQ(list[2], "A B");
}

TEST(FillLocation, RecordNumberOutOfRangeFailsAndReleasesTheFile) {
    SystemPath path = ThreeRanges();
    int openBefore = OpenFileCount();
    for (int64_t bad : {int64_t(0), int64_t(-5), int64_t(4)}) {
        TQQWry reader(path);
        TStringList list{"kept"};
        EXPECT_EQ(MessageOf([&] { reader.FillLocation(list, bad); }), "IP信息记录号过小或越界！");
        EXPECT_EQ(list, TStringList{"kept"});
        ExpectNextReaderWorks(path, openBefore);
    }
}

TEST(Constructor, EachOpeningFailureHasItsMessage) {
    SystemPath missing = TempPath("missing.dat");
    std::filesystem::remove(missing);
    EXPECT_EQ(MessageOf([&] { TQQWry r(missing); }), "文件 " + Shown(missing) + " 不存在！");
    SystemPath empty = QQWryBytes::WriteFile(TempPath("empty.dat"), {});
    EXPECT_EQ(MessageOf([&] { TQQWry r(empty); }), "文件 " + Shown(empty) + " 大小为空！");
    SystemPath folder = TempPath("folder.dat");
    std::filesystem::create_directories(folder);
    EXPECT_EQ(MessageOf([&] { TQQWry r(folder); }), "文件 " + Shown(folder) + " 不存在！");
}

#ifndef _WIN32
// A file that is there but cannot be opened (here: no descriptor is left,
// which even the superuser meets) is reported as such, not as missing.
TEST(Constructor, ExistingFileThatCannotBeOpened_IsNotReportedMissing) {
    SystemPath path = ThreeRanges();
    rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
    int lowestFree = dup(0);
    close(lowestFree);
    rlimit none = saved;
    none.rlim_cur = rlim_t(lowestFree);
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &none), 0);
    std::string message = MessageOf([&] { TQQWry r(path); });
    setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_EQ(message, "文件 " + Shown(path) + " 无法打开！");
}
#endif

TEST(Constructor, DamagedHeaderIsRefused) {
    int openBefore = OpenFileCount();
    SystemPath tiny = QQWryBytes::WriteFile(TempPath("tiny.dat"), {1, 2, 3});
    EXPECT_EQ(MessageOf([&] { TQQWry r(tiny); }), "IP数据库文件已损坏！");
    QQWryBytes pastEnd;
    pastEnd.Entry(0, pastEnd.InlineRecord(0xFFFFFFFF, "A", "B"));
    pastEnd.Finish();
    pastEnd.SetU32(4, 1000);  // last index entry beyond the file
    SystemPath path = pastEnd.WriteTo(TempPath("index_past_end.dat"));
    EXPECT_EQ(MessageOf([&] { TQQWry r(path); }), "IP数据库文件已损坏！");
    EXPECT_EQ(OpenFileCount(), openBefore);
}

TEST(FillLocation, DamagedRecordsFailInsideTheFile) {
    QQWryBytes db;
    db.Entry(0x000, 0xFFFFFF);                      // record offset past the end
    db.Entry(0x100, db.Redirect(1, 0x7FFFFF) - 4);  // redirection past the end
    db.Entry(0x200, db.InlineRecord(0x2FF, "A", "B") + 1000);
    db.Entry(0x300, db.InlineRecord(0x3FF, std::string(110, 'C'), std::string(110, 'D')));
    db.Entry(0x400, db.InlineRecord(0x4FF, "A", "B"));
    const int entries = 6;
    uint32_t record = db.Here();
    db.U32(0xFFFFFFFF);
    db.Redirect(2, record + 8 + entries * 7);  // the text behind the index
    db.Entry(0x500, record);
    db.Finish();
    db.Trail("Z");  // ...which has no zero byte before the end of the file
    SystemPath path = db.WriteTo(TempPath("damaged.dat"));

    int openBefore = OpenFileCount();
    for (const char* address : {"0.0.0.1", "0.0.1.1", "0.0.2.1", "0.0.5.1"})
        EXPECT_EQ(MessageOf([&] { Location(path, address); }), "IP数据库文件已损坏！") << address;
    EXPECT_EQ(MessageOf([&] { Location(path, "0.0.3.1"); }), "IP信息记录过长！");
    EXPECT_EQ(Location(path, "0.0.4.1"), "AB");
    EXPECT_EQ(OpenFileCount(), openBefore);
}

TEST(FillLocation, TextsUpToTheLineLimitFit) {
    QQWryBytes db;
    // 32 columns + 219 bytes of texts + blank + CR LF fill 254 bytes and leave the zero.
    db.Entry(0, db.InlineRecord(0xFFFFFFFF, std::string(119, 'C'), std::string(100, 'D')));
    SystemPath path = db.WriteTo(TempPath("limit.dat"));
    TStringList list = Record(path, 1);
    EXPECT_EQ(list[2].size(), 119u);
    EXPECT_EQ(list[3].size(), 100u);
}

TEST(LocationOrNoData, PublisherLabelMeansNoData) {
    EXPECT_EQ(LocationOrNoData("纯真网络无数据"), "暂无该IP的数据纪录");
    EXPECT_EQ(LocationOrNoData("纯真网络"), "暂无该IP的数据纪录");
    EXPECT_EQ(LocationOrNoData("纯真网"), "纯真网");  // shorter than the label: compared whole
    EXPECT_EQ(LocationOrNoData("中国纯真网络"), "中国纯真网络");
}

TEST(LookUpLocation, JoinsCountryAndArea) {
    SystemPath path = ThreeRanges();
    EXPECT_EQ(LookUpLocation(path, "1.2.4.1"), "中国北京");
    EXPECT_EQ(LookUpLocation(path, "10.1.1.1"), "纯真网络无数据");
}
