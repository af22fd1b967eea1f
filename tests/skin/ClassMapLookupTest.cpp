#include <gtest/gtest.h>

#include "skin/manager/ClassMapLookup.h"

namespace {

TEST(ClassMapLookup, FirstMatchingLineWins_WhateverItsLetterCase) {
    ClassMapIndex map({"TLMDGroupBox=Groupbox", "TLMDGROUPBOX=panel", "tlmdgroupbox=nil"});
    EXPECT_EQ(map.KindOf("TLMDGROUPBOX"), "groupbox");
    EXPECT_EQ(map.KindOf("tlmdgroupbox"), "groupbox");
}

TEST(ClassMapLookup, ClassAndLineCompareInLowerCase_KindComesLowerCased) {
    ClassMapIndex map({"tfoo=x", "TBar=Panel"});
    EXPECT_EQ(map.KindOf("TFOO"), "x");
    EXPECT_EQ(map.KindOf("TFoo"), "x");
    EXPECT_EQ(map.KindOf("tbar"), "panel");
}

TEST(ClassMapLookup, NameMustBeFollowedByEquals) {
    ClassMapIndex map({"TFoo=x", "TFooBar=y", "TBaz", "TQux =z"});
    EXPECT_EQ(map.KindOf("TFo"), std::nullopt);      // a prefix of a name is not the name
    EXPECT_EQ(map.KindOf("TFooBarX"), std::nullopt);  // nor is a longer name
    EXPECT_EQ(map.KindOf("TFooBar"), "y");
    EXPECT_EQ(map.KindOf("TBaz"), std::nullopt);  // a line without "=" names nothing
    EXPECT_EQ(map.KindOf("TQux"), std::nullopt);  // the blank belongs to the line's name
    EXPECT_EQ(map.KindOf("TQux "), "z");
    EXPECT_EQ(map.KindOf("TOther"), std::nullopt);
    EXPECT_EQ(ClassMapIndex().KindOf("TFoo"), std::nullopt);
}

TEST(ClassMapLookup, KindIsEverythingAfterTheEquals_KeptAsWritten) {
    ClassMapIndex map({"TFoo=a=b", "TBar=", "TBaz=panel "});
    EXPECT_EQ(map.KindOf("TFoo"), "a=b");
    EXPECT_EQ(map.KindOf("TBar"), "");  // found, with an empty kind
    EXPECT_EQ(map.KindOf("TBaz"), "panel ");
}

TEST(ClassMapLookup, ClassNameHoldingEquals_StillMatchesByPrefix) {
    ClassMapIndex map({"A=x", "A=B=c", "A=BC=d"});
    EXPECT_EQ(map.KindOf("a=b"), "c");
    EXPECT_EQ(map.KindOf("A=BC"), "d");
    EXPECT_EQ(map.KindOf("A"), "x");
}

TEST(ClassMapLookup, KindIsCutAt50BytesWithoutSplittingACharacter) {
    std::string fifty(50, 'k');
    ClassMapIndex map({"TLong=" + fifty + "tail", "TWide=" + std::string(49, 'k') + "\xB0\xB4"});
    EXPECT_EQ(map.KindOf("TLong"), fifty);
    EXPECT_EQ(map.KindOf("TWide"), std::string(49, 'k'));
}

TEST(ClassMapLookup, DoubleByteCharactersKeepTheirSecondByte) {
    // 0x81 0x41: the second byte looks like "A" but is no letter.
    ClassMapIndex map({"T\x81\x41X=edit"});
    EXPECT_EQ(map.KindOf("t\x81\x41x"), "edit");
    EXPECT_EQ(map.KindOf("T\x81\x61X"), std::nullopt);
}

}  // namespace
