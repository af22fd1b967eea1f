#include <gtest/gtest.h>

#include "skin/stream/SkinIni.h"

using namespace std::literals;

namespace {

TEST(SkinIni, LineEnds_CrLfCrLfAndNulAllEndLines) {
    TSkinIni ini("[A]\rone=1\ntwo=2\r\nthree=3\0four=4\r\rfive=5"sv);
    EXPECT_EQ(ini.ReadInteger("A", "one", 0), 1);
    EXPECT_EQ(ini.ReadInteger("A", "two", 0), 2);
    EXPECT_EQ(ini.ReadInteger("A", "three", 0), 3);
    EXPECT_EQ(ini.ReadInteger("A", "four", 0), 4);
    EXPECT_EQ(ini.ReadInteger("A", "five", 0), 5);
}

TEST(SkinIni, SectionsAndKeys_MatchInAnyCaseAndTheFirstWins) {
    TSkinIni ini(
        "  [Personality]  \r\n"
        "; Left=commented.bmp\r\n"
        "  LEFT =  Frame Left.bmp  \r\n"
        "left=second.bmp\r\n"
        "[personality]\r\n"
        "Right=later.bmp\r\n");
    EXPECT_EQ(ini.ReadString("PERSONALITY", "Left", "-"), "Frame Left.bmp");
    EXPECT_EQ(ini.ReadString("Personality", "right", "-"), "-");  // the second header is not reached
    EXPECT_EQ(ini.ReadString("Missing", "Left", "-"), "-");
}

TEST(SkinIni, KeysEndAtTheNextSection) {
    TSkinIni ini("[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
    EXPECT_EQ(ini.ReadInteger("A", "y", -1), -1);
    EXPECT_EQ(ini.ReadInteger("B", "y", -1), 2);
}

TEST(SkinIni, EmptyValue_GivesTheDefaultAndHidesLaterLines) {
    TSkinIni ini("[A]\r\nkey=\r\nkey=5\r\n");
    EXPECT_EQ(ini.ReadString("A", "key", "default"), "default");
    EXPECT_EQ(ini.ReadInteger("A", "key", 9), 9);
}

TEST(SkinIni, ValueKeepsEverythingAfterTheFirstEquals) {
    TSkinIni ini("[A]\r\nexpr = a=b \r\n");
    EXPECT_EQ(ini.ReadString("A", "expr", ""), "a=b");
}

TEST(SkinIni, Integers_DecimalAndHexadecimal) {
    TSkinIni ini("[N]\r\nhex=0x1F\r\nup=0X1f\r\nbare=0x\r\nneg=-12\r\nword=12px\r\nbig=99999999999\r\nall=0xFFFFFFFF\r\n");
    EXPECT_EQ(ini.ReadInteger("N", "hex", 0), 31);
    EXPECT_EQ(ini.ReadInteger("N", "up", 0), 31);
    EXPECT_EQ(ini.ReadInteger("N", "bare", 7), 7);
    EXPECT_EQ(ini.ReadInteger("N", "neg", 0), -12);
    EXPECT_EQ(ini.ReadInteger("N", "word", 7), 7);
    EXPECT_EQ(ini.ReadInteger("N", "big", 7), 7);
    EXPECT_EQ(ini.ReadInteger("N", "all", 7), -1);
}

TEST(SkinIni, Colours_AreThreeNumbersRedGreenBlue) {
    TSkinIni ini("[C]\r\nbar=210 232 249\r\ntabs=1\t2  3\r\ntwo=1 2\r\nhigh=1 2 300\r\n");
    EXPECT_EQ(ini.ReadColor("C", "bar", 0), 210 + 232 * 256 + 249 * 65536);
    EXPECT_EQ(ini.ReadColor("C", "tabs", 0), 1 + 2 * 256 + 3 * 65536);
    EXPECT_EQ(ini.ReadColor("C", "two", 77), 77);
    EXPECT_EQ(ini.ReadColor("C", "high", 77), 77);
    EXPECT_EQ(ini.ReadColor("C", "missing", 77), 77);
}

TEST(SkinIni, Sections_InFileOrderWithoutBrackets) {
    TSkinIni ini("[Colours]\r\n[ Button.Close ]\r\nx=[y]\r\n[Colour1]\r\n");
    EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"Colours", "Button.Close", "Colour1"}));
}

TEST(SkinIni, GbkTextInValues_IsKeptByteForByte) {
    // 皮肤 in GBK: the second bytes lie in the ASCII letter range.
    TSkinIni ini("[TitlebarSkin]\r\nSkinName=\xC6\xA4\xB7\xF4\r\n");
    EXPECT_EQ(ini.ReadString("titlebarskin", "skinname", ""), "\xC6\xA4\xB7\xF4");
}

}  // namespace
