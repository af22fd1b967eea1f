#include "base/GbkText.h"

#include <gtest/gtest.h>

#include "base/ByteView.h"

TEST(GbkPrefix, NeverSplitsADoubleByteCharacter) {
    const std::string text = "ab\xD6\xD0\xB9\xFA";  // "ab" + two GBK characters
    EXPECT_EQ(GbkPrefix(text, 6), text);
    EXPECT_EQ(GbkPrefix(text, 5), "ab\xD6\xD0");
    EXPECT_EQ(GbkPrefix(text, 3), "ab");
    EXPECT_EQ(GbkPrefix(text, 0), "");
}

TEST(GbkPrefix, SecondByteThatLooksLikeAsciiStaysWithItsLead) {
    const std::string text = "\x81\x40x";  // 0x40 '@' is the second byte here
    EXPECT_EQ(GbkPrefix(text, 1), "");
    EXPECT_EQ(GbkPrefix(text, 2), "\x81\x40");
}

TEST(GbkFileName, CutsOnlyAtARealSeparator) {
    EXPECT_EQ(GbkFileName("C:\\skins\\a.bmp"), "a.bmp");
    EXPECT_EQ(GbkFileName("skins/a.bmp"), "a.bmp");
    EXPECT_EQ(GbkFileName("a.bmp"), "a.bmp");
    EXPECT_EQ(GbkFileName("dir\\"), "");
    // "\xD5\x5C" is one character whose second byte is a backslash.
    EXPECT_EQ(GbkFileName("\xD5\x5C.bmp"), "\xD5\x5C.bmp");
    EXPECT_EQ(GbkFileName("d\\\xD5\x5C\xD5\x5C.bmp"), "\xD5\x5C\xD5\x5C.bmp");
}

TEST(TrimText, RemovesBlanksAndControlsAtBothEndsOnly) {
    EXPECT_EQ(TrimText(" \t1.2.3.4\r\n"), "1.2.3.4");
    EXPECT_EQ(TrimText("a b"), "a b");
    EXPECT_EQ(TrimText("   "), "");
    EXPECT_EQ(TrimText("\xD6\xD0 "), "\xD6\xD0");
}

TEST(ByteView, ReadsInsideAndFailsOutside) {
    const uint8_t bytes[] = {1, 2, 3, 4, 'h', 'i', 0, 'x'};
    ByteView view(bytes, sizeof bytes, "broken");
    EXPECT_EQ(view.U32(0), 0x04030201u);
    EXPECT_EQ(view.U24(1), 0x040302u);
    EXPECT_EQ(view.CString(4), "hi");
    EXPECT_THROW(view.U32(5), Exception);
    EXPECT_THROW(view.U8(8), Exception);
    EXPECT_THROW(view.CString(7), Exception);  // no zero byte before the end
    EXPECT_THROW(view.At(~0ull, 2), Exception);  // offset + length overflows
    try {
        view.U16(7);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "broken");
    }
}
