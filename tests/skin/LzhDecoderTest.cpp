#include <gtest/gtest.h>

#include <random>
#include <string>

#include "skin/LzhDecoder.h"
#include "tools/LzhEncoder.h"

namespace {

std::vector<uint8_t> Decode(const std::vector<uint8_t>& stream) { return LzhDecode(stream.data(), stream.size()); }

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

void ExpectRoundTrip(const std::vector<uint8_t>& data) {
    std::vector<uint8_t> stream = LzhEncode(data.data(), data.size());
    EXPECT_EQ(Decode(stream), data);
}

// Streams written bit by bit from the adaptive tree's initial codes.
TEST(LzhDecoder, HandBuiltStreams_DecodeToTheirText) {
    // One match of 5 from the blanks the ring starts with.
    EXPECT_EQ(Decode({0x05, 0, 0, 0, 0x8E, 0x00, 0x00}), Bytes("     "));
    // "a", "b", then a match of 4 at distance 2 that overlaps its own output.
    EXPECT_EQ(Decode({0x06, 0, 0, 0, 0xF6, 0xFB, 0xA3, 0x40, 0x20}), Bytes("ababab"));
}

TEST(LzhDecoder, MatchRunningPastTheAnnouncedLength_StopsAtTheLength) {
    // "a" and a match of 4, but only 3 bytes announced.
    EXPECT_EQ(Decode({0x03, 0, 0, 0, 0xF6, 0xC6, 0x80, 0x00}), Bytes("aaa"));
}

TEST(LzhDecoder, ZeroLength_GivesNothingAndReadsNoCode) {
    EXPECT_TRUE(Decode({0, 0, 0, 0}).empty());
}

TEST(LzhDecoder, DamagedStreams_AreRefused) {
    EXPECT_THROW(Decode({0x05, 0}), Exception);                           // no whole length
    EXPECT_THROW(Decode({0x06, 0, 0, 0, 0xF6, 0xFB}), Exception);         // code ends early
    EXPECT_THROW(Decode({0x01, 0x00, 0x00, 0x04, 0xF6}), Exception);      // 64 MiB + 1
    EXPECT_THROW(Decode({0xFF, 0xFF, 0xFF, 0xFF, 0x00}), Exception);      // 4 GiB
    try {
        Decode({0x06, 0, 0, 0, 0xF6});
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), kLzhDamaged);
    }
}

TEST(LzhRoundTrip, EncoderOutput_DecodesToTheSameBytes) {
    ExpectRoundTrip({});
    ExpectRoundTrip(Bytes("x"));
    ExpectRoundTrip(Bytes("    leading blanks match the ring's initial fill"));
    ExpectRoundTrip(std::vector<uint8_t>(100000, 0x41));  // long runs of maximal matches

    std::mt19937 random(7);
    std::vector<uint8_t> noise(70000);
    for (uint8_t& byte : noise) byte = uint8_t(random());
    ExpectRoundTrip(noise);  // many literals: the tree is rebuilt several times

    std::vector<uint8_t> mixed;
    for (int i = 0; i < 20000; ++i) {
        std::string line = "entry " + std::to_string(i * 37 % 1000) + (i % 3 ? " bitmap\r\n" : " text\r\n");
        mixed.insert(mixed.end(), line.begin(), line.end());
        mixed.push_back(uint8_t(random() % 4));
    }
    ExpectRoundTrip(mixed);
}

TEST(LzhRoundTrip, RepetitiveData_Shrinks) {
    std::vector<uint8_t> data(50000, 0);
    for (size_t i = 0; i < data.size(); ++i) data[i] = uint8_t(i % 7 * 13);
    EXPECT_LT(LzhEncode(data.data(), data.size()).size(), data.size() / 20);
}

}  // namespace
