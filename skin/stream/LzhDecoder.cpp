#include "skin/stream/LzhDecoder.h"

#include <algorithm>
#include <array>
#include <new>

#include "skin/stream/LzhModel.h"

namespace {

using namespace lzh;

// Reads code bits most significant first, fetching a byte only when a bit
// of it is needed, so the reader stops exactly at the end of the input.
class BitReader {
public:
    explicit BitReader(ByteView input, uint64_t start) : FInput(input), FNext(start) {}

    unsigned Bit() {
        if (FCount == 0) {
            FBuffer = FInput.U8(FNext++);
            FCount = 8;
        }
        --FCount;
        return (FBuffer >> FCount) & 1;
    }

    unsigned Bits(int n) {
        unsigned value = 0;
        while (n-- > 0) value = value << 1 | Bit();
        return value;
    }

private:
    ByteView FInput;
    uint64_t FNext;
    unsigned FBuffer = 0;
    int FCount = 0;
};

// The position prefix code turned around: for every byte that starts with a
// code, the upper distance bits it stands for and the code's length.
struct PositionDecodeTable {
    std::array<uint8_t, 256> upper{};
    std::array<uint8_t, 256> length{};

    PositionDecodeTable() {
        for (int i = 0; i < 64; ++i) {
            int free = 8 - kPositionLength[i];
            for (int tail = 0; tail < (1 << free); ++tail) {
                int byte = kPositionCode[i] | tail;
                upper[byte] = uint8_t(i);
                length[byte] = kPositionLength[i];
            }
        }
    }
};

class Decoder {
public:
    explicit Decoder(ByteView input) : FBits(input, 4) {}

    int Symbol() {
        int node = FTree.Son(kRoot);
        while (node < kNodeCount) node = FTree.Son(node + int(FBits.Bit()));
        int symbol = node - kNodeCount;
        FTree.Update(symbol);
        return symbol;
    }

    int Distance() {
        static const PositionDecodeTable table;
        unsigned first = FBits.Bits(8);
        unsigned low = first << (table.length[first] - 2) | FBits.Bits(table.length[first] - 2);
        return table.upper[first] << 6 | (low & 0x3F);
    }

private:
    BitReader FBits;
    AdaptiveTree FTree;
};

std::vector<uint8_t> Decode(ByteView input, uint32_t length) {
    std::vector<uint8_t> out;
    // Each code bit yields at most 6 output bytes, so a tiny damaged stream
    // cannot make us reserve the whole announced length.
    out.reserve(std::min<uint64_t>(length, input.Size() * 48 + kMaxMatch));
    std::array<uint8_t, kRingSize> ring;
    std::fill(ring.begin(), ring.begin() + kRingStart, kRingFill);
    std::fill(ring.begin() + kRingStart, ring.end(), 0);
    unsigned r = kRingStart;
    Decoder decoder(input);
    auto put = [&](uint8_t byte) {
        out.push_back(byte);
        ring[r] = byte;
        r = (r + 1) & (kRingSize - 1);
    };
    while (out.size() < length) {
        int symbol = decoder.Symbol();
        if (symbol < 256) {
            put(uint8_t(symbol));
            continue;
        }
        unsigned from = (r - unsigned(decoder.Distance()) - 1) & (kRingSize - 1);
        size_t count = std::min<size_t>(MatchLength(symbol), length - out.size());
        for (size_t k = 0; k < count; ++k) put(ring[(from + k) & (kRingSize - 1)]);
    }
    return out;
}

}  // namespace

std::vector<uint8_t> LzhDecode(const void* data, size_t size) {
    ByteView input(data, size, kLzhDamaged);
    uint32_t length = input.U32(0);
    if (length > kLzhMaxLength) input.Fail();
    try {
        return Decode(input, length);
    } catch (const std::bad_alloc&) {
        throw ELzhError(kLzhNoMemory);
    }
}
