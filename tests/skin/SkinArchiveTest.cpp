#include <gtest/gtest.h>

#include <string>

#include "skin/stream/SkinArchive.h"
#include "tests/skin/HeldMemory.h"
#include "tools/skin/LzhEncoder.h"
#include "tools/skin/SkinArchiveWriter.h"

namespace {

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(value >> (8 * i)));
}

// An archive written field by field, so each field can be spoilt.
struct RawArchive {
    uint32_t Tag = 40000;
    size_t HeaderSize = 96;
    std::string Names;
    std::vector<uint32_t> Sizes;
    std::string Data;

    std::vector<uint8_t> Bytes() const {
        std::vector<uint8_t> out;
        PutU32(out, Tag);
        PutU32(out, uint32_t(Names.size()));
        out.resize(HeaderSize, 0xEE);  // skipped words and padding
        out.insert(out.end(), Names.begin(), Names.end());
        for (uint32_t size : Sizes) PutU32(out, size);
        out.insert(out.end(), Data.begin(), Data.end());
        return out;
    }
};

std::string EntryText(const TSkinReader& reader, const char* name) {
    const TSkinReader::Entry* entry = reader.Find(name);
    if (!entry) return "<none>";
    ByteView data = reader.Data(*entry);
    return {reinterpret_cast<const char*>(data.Data()), size_t(data.Size())};
}

TEST(SkinReader, EachFormatTag_FindsTheNamesAfterItsHeaderSize) {
    for (auto [tag, header] : {std::pair{20000u, 16}, {30000u, 272}, {40000u, 96}}) {
        RawArchive raw{tag, size_t(header), "One.BMP\r\nclassic.ini\r\n", {3, 5}, "abcHELLO"};
        TSkinReader reader;
        ASSERT_TRUE(reader.ReadArchive(raw.Bytes())) << tag;
        EXPECT_EQ(EntryText(reader, "one.bmp"), "abc");
        EXPECT_EQ(EntryText(reader, "ONE.bmp"), "abc");  // lookups ignore case
        EXPECT_EQ(EntryText(reader, "classic.ini"), "HELLO");
        EXPECT_EQ(reader.Entries()[0].Name, "one.bmp");
    }
}

TEST(SkinReader, RepeatedName_ResolvesToTheFirstEntry) {
    RawArchive raw{40000, 96, "a.bmp\r\nA.BMP\r\n", {1, 1}, "12"};
    TSkinReader reader;
    ASSERT_TRUE(reader.ReadArchive(raw.Bytes()));
    EXPECT_EQ(EntryText(reader, "a.bmp"), "1");
}

TEST(SkinReader, FindContaining_TakesTheFirstNameWithThePart) {
    RawArchive raw{40000, 96, "x.bmp\r\nskin.ini\r\nother.ini\r\n", {0, 1, 1}, "AB"};
    TSkinReader reader;
    ASSERT_TRUE(reader.ReadArchive(raw.Bytes()));
    EXPECT_EQ(reader.FindContaining(".ini")->Name, "skin.ini");
}

TEST(SkinReader, LastNameWithoutLineEnd_StillCounts) {
    RawArchive raw{40000, 96, "a.bmp\r\nb.bmp", {1, 2}, "xyz"};
    TSkinReader reader;
    ASSERT_TRUE(reader.ReadArchive(raw.Bytes()));
    EXPECT_EQ(EntryText(reader, "b.bmp"), "yz");
}

TEST(SkinReader, BrokenArchives_AreRejectedAndLeaveTheReaderEmpty) {
    RawArchive good{40000, 96, "a.bmp\r\n", {2}, "xy"};
    std::vector<RawArchive> broken(6, good);
    broken[0].Tag = 50000;                               // another format version
    broken[1].Sizes = {3};                               // entry runs past the end
    broken[2].Sizes = {0x80000000u};                     // negative size
    broken[3].Names = "a.bmp\r\nb.bmp\r\n";              // more names than sizes fit
    broken[3].Sizes = {};
    broken[3].Data = "";
    broken[4].Names.clear();                             // 1002 entries
    broken[4].Sizes.assign(1002, 0);
    for (int i = 0; i < 1002; ++i) broken[4].Names += "e\r\n";
    broken[5].Data.clear();
    broken[5].Sizes.clear();
    for (size_t i = 0; i < broken.size(); ++i) {
        TSkinReader reader;
        EXPECT_FALSE(reader.ReadArchive(broken[i].Bytes())) << i;
        EXPECT_TRUE(reader.Empty()) << i;
    }

    std::vector<uint8_t> listTooLong = good.Bytes();
    listTooLong[4] = 200;  // the name list claims more bytes than there are
    TSkinReader reader;
    EXPECT_FALSE(reader.ReadArchive(listTooLong));
    for (size_t cut : {0, 3, 50, 99}) {
        std::vector<uint8_t> bytes = good.Bytes();
        bytes.resize(cut);
        EXPECT_FALSE(reader.ReadArchive(bytes)) << cut;
    }
}

TEST(SkinReader, ExactlyTheLimitOfEntries_IsAccepted) {
    RawArchive raw;
    raw.Sizes.assign(TSkinReader::kMaxEntries, 0);
    for (int i = 0; i < TSkinReader::kMaxEntries; ++i) raw.Names.append("e").append(std::to_string(i)).append("\r\n");
    TSkinReader reader;
    EXPECT_TRUE(reader.ReadArchive(raw.Bytes()));
    EXPECT_EQ(reader.Entries().size(), size_t(TSkinReader::kMaxEntries));
}

TEST(SkinReader, NameListOfMillionsOfLineEnds_IsRefusedBeforeAnyNameIsBuilt) {
    RawArchive raw;
    raw.Names.assign(4 << 20, '\n');
    std::vector<uint8_t> bytes = raw.Bytes();
    TSkinReader reader;
    bool read = true;
    size_t peak = PeakHeldBytes([&] { read = reader.ReadArchive(std::move(bytes)); });
    EXPECT_FALSE(read);
    EXPECT_LT(peak, 64u << 10);  // not a copy of the list, not four million names
}

TEST(SkinReader, PackedAndCompressedArchive_ReadsBack) {
    std::vector<uint8_t> archive = PackSkinArchive({{"Frame.bmp", {1, 2, 3}}, {"skin.ini", {'[', ']'}}});
    std::vector<uint8_t> stream = LzhEncode(archive.data(), archive.size());
    TSkinReader reader;
    ASSERT_TRUE(reader.ReadStream(stream.data(), stream.size()));
    EXPECT_EQ(EntryText(reader, "frame.bmp"), "\x01\x02\x03");
    EXPECT_EQ(EntryText(reader, "skin.ini"), "[]");
}

}  // namespace
