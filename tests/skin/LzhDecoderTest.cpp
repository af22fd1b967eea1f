#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "skin/stream/LzhDecoder.h"
#include "tests/skin/ReferenceLzhDecoder.h"
#include "tools/skin/LzhEncoder.h"

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

// Text lines, bitmap-like rows, runs and noise: many literals as well as
// matches, so the counts pass 0x8000 and the tree is rebuilt many times.
std::vector<uint8_t> MixedData(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> data;
    while (data.size() < size) {
        switch (random() % 4) {
            case 0: for (const char* c = "[Buttons]\r\nLeftWidth=3\r\n"; *c; ++c) data.push_back(uint8_t(*c)); break;
            case 1: for (int i = 0; i < 48; ++i) data.push_back(uint8_t(i * 5 + random() % 3)); break;
            case 2: data.insert(data.end(), 20 + random() % 40, uint8_t(random())); break;
            default: for (int i = 0; i < 64; ++i) data.push_back(uint8_t(random())); break;
        }
    }
    data.resize(size);
    return data;
}

TEST(LzhDecoder, IndependentDecoderAgreesOnLongStreamsWithManyRebuilds) {
    for (unsigned seed : {1u, 2u, 3u}) {
        std::vector<uint8_t> data = MixedData(300000 + 100000 * seed, seed);
        std::vector<uint8_t> stream = LzhEncode(data.data(), data.size());
        EXPECT_EQ(ReferenceLzhDecoder().Decode(stream), data) << "the encoder's stream, read without its model";
        EXPECT_EQ(Decode(stream), data);
    }
}

TEST(LzhDecoder, IndependentDecoderAgreesOnTheBuiltSkin) {
    std::ifstream file(QUORVIK_SKIN_STREAM, std::ios::binary);
    std::vector<uint8_t> property((std::istreambuf_iterator<char>(file)), {});
    ASSERT_GT(property.size(), 4u);
    std::vector<uint8_t> stream(property.begin() + 4, property.end());
    EXPECT_EQ(ReferenceLzhDecoder().Decode(stream), Decode(stream));
}

}  // namespace
