#include "forms/NodeAddress.h"

#include <gtest/gtest.h>

namespace {
TUuidBytes Uuid(uint8_t first, std::array<uint8_t, 6> node) {
    TUuidBytes uuid = {first, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    std::copy(node.begin(), node.end(), uuid.begin() + 10);
    return uuid;
}
}  // namespace

TEST(NodeAddressText, SameNodeIsWrittenAsSixUpperCaseHexPairs) {
    auto node = std::array<uint8_t, 6>{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0xFE};
    EXPECT_EQ(NodeAddressText(Uuid(1, node), Uuid(2, node)), "00-1A-2B-3C-4D-FE");
}

TEST(NodeAddressText, NodesThatDifferInAnyByteGiveNothing) {
    auto node = std::array<uint8_t, 6>{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
    for (size_t i = 0; i < node.size(); ++i) {
        auto other = node;
        other[i] ^= 1;
        EXPECT_EQ(NodeAddressText(Uuid(1, node), Uuid(1, other)), "") << "byte " << i;
    }
}
