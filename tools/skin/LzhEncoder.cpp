#include "tools/skin/LzhEncoder.h"

#include <algorithm>

#include "skin/stream/LzhModel.h"

namespace {

using namespace lzh;

class BitWriter {
public:
    explicit BitWriter(std::vector<uint8_t>& out) : FOut(out) {}

    // Pads the last byte with zero bits.
    void Flush() {
        if (FCount > 0) FOut.push_back(uint8_t(FBuffer << (8 - FCount)));
        FCount = 0;
    }

    void Bit(unsigned bit) {
        FBuffer = FBuffer << 1 | (bit & 1);
        if (++FCount == 8) {
            FOut.push_back(uint8_t(FBuffer));
            FCount = 0;
        }
    }

    void Bits(unsigned value, int n) {
        while (n-- > 0) Bit(value >> n);
    }

private:
    std::vector<uint8_t>& FOut;
    unsigned FBuffer = 0;
    int FCount = 0;
};

class SymbolCoder {
public:
    explicit SymbolCoder(BitWriter& bits) : FBits(bits) {}

    void Symbol(int symbol) {
        // The path is known leaf first; the decoder walks it root first.
        uint8_t path[kNodeCount];
        int depth = 0;
        for (int node = FTree.Parent(symbol + kNodeCount); node != kRoot; node = FTree.Parent(node))
            path[depth++] = uint8_t(node & 1);
        while (depth > 0) FBits.Bit(path[--depth]);
        FTree.Update(symbol);
    }

    void Distance(unsigned distance) {
        unsigned upper = distance >> 6;
        FBits.Bits(kPositionCode[upper] >> (8 - kPositionLength[upper]), kPositionLength[upper]);
        FBits.Bits(distance & 0x3F, 6);
    }

private:
    BitWriter& FBits;
    AdaptiveTree FTree;
};

// Longest-match search over hash chains of three-byte prefixes. The text is
// seen as the decoder's ring sees it: kRingStart blanks, then the data.
class MatchFinder {
public:
    explicit MatchFinder(const std::vector<uint8_t>& text) : FText(text), FPrevious(kRingSize, -1) {
        FHeads.assign(1 << 14, -1);
    }

    void Insert(int64_t at) {
        if (at + 3 > int64_t(FText.size())) return;
        unsigned h = Hash(at);
        FPrevious[at & (kRingSize - 1)] = FHeads[h];
        FHeads[h] = at;
    }

    // Length and start of the longest earlier match of the text at `at`.
    std::pair<int, int64_t> Longest(int64_t at) const {
        int limit = int(std::min<int64_t>(kMaxMatch, int64_t(FText.size()) - at));
        if (limit < kThreshold + 1) return {0, 0};
        int best = 0;
        int64_t bestFrom = 0;
        int64_t from = FHeads[Hash(at)];
        for (int tries = 0; from >= 0 && at - from < kRingSize && tries < 256; ++tries) {
            int length = 0;
            while (length < limit && FText[from + length] == FText[at + length]) ++length;
            if (length > best) {
                best = length;
                bestFrom = from;
                if (length == limit) break;
            }
            from = FPrevious[from & (kRingSize - 1)];
        }
        return {best, bestFrom};
    }

private:
    unsigned Hash(int64_t at) const {
        return (FText[at] << 6 ^ FText[at + 1] << 3 ^ FText[at + 2] ^ FText[at + 1] << 9) & ((1 << 14) - 1);
    }

    const std::vector<uint8_t>& FText;
    std::vector<int64_t> FPrevious;
    std::vector<int64_t> FHeads;
};

}  // namespace

std::vector<uint8_t> LzhEncode(const uint8_t* data, size_t size) {
    std::vector<uint8_t> out;
    for (int shift = 0; shift < 32; shift += 8) out.push_back(uint8_t(size >> shift));

    std::vector<uint8_t> text(kRingStart, kRingFill);
    text.insert(text.end(), data, data + size);
    MatchFinder matches(text);
    for (int64_t at = 0; at < kRingStart; ++at) matches.Insert(at);

    BitWriter bits(out);
    SymbolCoder coder(bits);
    for (int64_t at = kRingStart; at < int64_t(text.size());) {
        auto [length, from] = matches.Longest(at);
        if (length > kThreshold) {
            coder.Symbol(MatchSymbol(length));
            coder.Distance(unsigned(at - from - 1));
        } else {
            length = 1;
            coder.Symbol(text[at]);
        }
        for (int k = 0; k < length; ++k) matches.Insert(at + k);
        at += length;
    }
    bits.Flush();
    return out;
}
