#include <gtest/gtest.h>

#include "base/ByteView.h"
#include "base/Exception.h"
#include "tools/qqwry/QQWryWriter.h"

namespace {

// The written bytes, read the way the layout defines them.
class WrittenDatabase {
public:
    explicit WrittenDatabase(const std::vector<LocationRange>& ranges)
        : FBytes(WriteQQWry(ranges)), FView(FBytes.data(), FBytes.size(), "outside the database") {}

    const ByteView& View() const { return FView; }
    uint32_t FirstIndex() const { return FView.U32(0); }
    uint32_t LastIndex() const { return FView.U32(4); }
    uint32_t Start(int entry) const { return FView.U32(FirstIndex() + entry * 7); }
    uint32_t Record(int entry) const { return FView.U24(FirstIndex() + entry * 7 + 4); }
    uint32_t Place(int entry) const { return Record(entry) + 4; }
    uint8_t Mode(int entry) const { return FView.U8(Place(entry)); }
    uint32_t Target(int entry) const { return FView.U24(Place(entry) + 1); }

private:
    std::string FBytes;
    ByteView FView;
};

}  // namespace

TEST(WriteQQWry, HeaderNamesTheIndexThatFollowsTheRecords) {
    WrittenDatabase db({{0, 9, "Alpha", "Net1"}, {10, UINT32_MAX, "Beta", ""}});
    EXPECT_EQ(db.LastIndex(), db.FirstIndex() + 7);
    EXPECT_EQ(db.View().Size(), db.LastIndex() + 7);
    EXPECT_EQ(db.Start(0), 0u);
    EXPECT_EQ(db.Start(1), 10u);
    EXPECT_EQ(db.Record(0), 8u);
    EXPECT_EQ(db.View().U32(db.Record(0)), 9u);  // end address
    EXPECT_EQ(db.View().CString(db.Place(0)), "Alpha");
    EXPECT_EQ(db.View().CString(db.Place(0) + 6), "Net1");
    EXPECT_EQ(db.View().U32(db.Record(1)), UINT32_MAX);
}

TEST(WriteQQWry, RepeatedTextsAreReachedThroughEachRedirection) {
    WrittenDatabase db({{0, 9, "Alpha", "Net1"},
                        {10, 19, "Alpha", "Net2"},
                        {20, 29, "Alpha", "Net1"},
                        {30, 39, "Alpha", "Net2"},
                        {40, 49, "Beta", "Net1"},
                        {50, 59, "Beta", "Net2"}});
    const ByteView& v = db.View();
    // First of everything: texts in place.
    EXPECT_EQ(v.CString(db.Place(0)), "Alpha");
    uint32_t net1 = db.Place(0) + 6;
    // Known country, new area: mode 2 to the country, the area behind it.
    EXPECT_EQ(db.Mode(1), 2);
    EXPECT_EQ(db.Target(1), db.Place(0));
    uint32_t net2 = db.Place(1) + 4;
    EXPECT_EQ(v.CString(net2), "Net2");
    // Known pair: mode 1 to its place block, one that starts with a text...
    EXPECT_EQ(db.Mode(2), 1);
    EXPECT_EQ(db.Target(2), db.Place(0));
    // ...and one that starts with a mode 2 redirection.
    EXPECT_EQ(db.Mode(3), 1);
    EXPECT_EQ(db.Target(3), db.Place(1));
    EXPECT_EQ(v.U8(db.Target(3)), 2);
    // New country, known area: the area block redirects to the area text.
    EXPECT_EQ(v.CString(db.Place(4)), "Beta");
    EXPECT_EQ(v.U8(db.Place(4) + 5), 2);
    EXPECT_EQ(v.U24(db.Place(4) + 6), net1);
    // Known country and known area, new pair: both redirected.
    EXPECT_EQ(db.Mode(5), 2);
    EXPECT_EQ(db.Target(5), db.Place(4));
    EXPECT_EQ(v.U8(db.Place(5) + 4), 2);
    EXPECT_EQ(v.U24(db.Place(5) + 5), net2);
}

TEST(WriteQQWry, TextsNoLongerThanARedirectionAreRepeatedInPlace) {
    WrittenDatabase db({{0, 9, "abc", "xyz"}, {10, 19, "abc", "uvw"}, {20, 29, "def", "xyz"}});
    EXPECT_EQ(db.View().CString(db.Place(1)), "abc");
    EXPECT_EQ(db.View().CString(db.Place(1) + 4), "uvw");
    EXPECT_EQ(db.View().CString(db.Place(2) + 4), "xyz");
}

TEST(WriteQQWry, UnsortedOverlappingOrNoRangesAreRefused) {
    EXPECT_THROW(WriteQQWry({{10, 19, "a", ""}, {0, 9, "b", ""}}), Exception);
    EXPECT_THROW(WriteQQWry({{0, 10, "a", ""}, {10, 19, "b", ""}}), Exception);
    EXPECT_THROW(WriteQQWry({{5, 4, "a", ""}}), Exception);
    EXPECT_THROW(WriteQQWry({}), Exception);
}

TEST(WriteQQWry, RecordsBeyondThe3ByteOffsetsAreRefused) {
    // 90,000 distinct 200-byte areas: about 18 MB of records and texts.
    std::vector<LocationRange> ranges;
    for (uint32_t i = 0; i < 90000; ++i) {
        std::string area = std::to_string(i);
        ranges.push_back({i, i, "Country", area + std::string(200 - area.size(), 'x')});
    }
    try {
        WriteQQWry(ranges);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_NE(e.Message().find("16 MiB"), std::string::npos) << e.Message();
    }
    ranges.resize(70000);  // about 14.6 MB: fits
    EXPECT_NO_THROW(WriteQQWry(ranges));
}
