#include "app/FakeAddressBlocks.h"

#include <algorithm>
#include <iterator>

bool IsFakeProxyAddress(uint32_t address) {
    return std::any_of(std::begin(kFakeAddressBlocks), std::end(kFakeAddressBlocks), [&](const Ipv4Block& block) {
        uint32_t mask = block.PrefixLength ? ~uint32_t(0) << (32 - block.PrefixLength) : 0;
        return (address & mask) == block.Start;
    });
}
