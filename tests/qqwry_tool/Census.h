#pragma once
#include <gtest/gtest.h>

#include <string>

#include "base/ByteView.h"

// How the records of written database bytes reach their texts, counted per
// path of the layout the reader can take.
struct RedirectionCensus {
    int inlineCountry = 0;
    int countryRedirect = 0;      // mode 2
    int placeToInlineBlock = 0;   // mode 1 to a block that starts with a text
    int placeToMode2Block = 0;    // mode 1 to a block that starts with 2
    int areaRedirect = 0;         // area block 1 or 2 (never to offset 0)
    int areaToZero = 0;

    explicit RedirectionCensus(const std::string& bytes) {
        ByteView view(bytes.data(), bytes.size(), "outside the database");
        for (uint64_t entry = view.U32(0); entry <= view.U32(4); entry += 7) CountRecord(view, view.U24(entry + 4));
    }

private:
    void CountRecord(const ByteView& view, uint64_t record) {
        uint64_t place = record + 4, area;
        uint8_t mode = view.U8(place);
        if (mode == 1) {
            uint64_t block = view.U24(place + 1);
            bool toMode2 = view.U8(block) == 2;
            ++(toMode2 ? placeToMode2Block : placeToInlineBlock);
            return;  // the area block there is counted with its own record
        }
        if (mode == 2) {
            ++countryRedirect;
            area = place + 4;
        } else {
            ++inlineCountry;
            area = place + view.CString(place).size() + 1;
        }
        if (view.U8(area) == 1 || view.U8(area) == 2) ++(view.U24(area + 1) == 0 ? areaToZero : areaRedirect);
    }
};

// The writer takes every path that reads a text: each must occur.
inline void ExpectEveryPathUsed(const RedirectionCensus& census) {
    EXPECT_GT(census.inlineCountry, 0);
    EXPECT_GT(census.countryRedirect, 0);
    EXPECT_GT(census.placeToInlineBlock, 0);
    EXPECT_GT(census.placeToMode2Block, 0);
    EXPECT_GT(census.areaRedirect, 0);
}
