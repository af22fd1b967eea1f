#include "tools/LzhEncoder.h"

#include <algorithm>

#include "skin/LzhModel.h"

namespace {

using namespace lzh;

class BitWriter {
public:
    explicit BitWriter(std::vector<uint8_t>& out) : out_(out) {}

    // Pads the last byte with zero bits.
    void Flush() {
        if (count_ > 0) out_.push_back(uint8_t(buffer_ << (8 - count_)));
        count_ = 0;
    }

    void Bit(unsigned bit) {
        buffer_ = buffer_ << 1 | (bit & 1);
        if (++count_ == 8) {
            out_.push_back(uint8_t(buffer_));
            count_ = 0;
        }
    }

    void Bits(unsigned value, int n) {
        while (n-- > 0) Bit(value >> n);
    }

private:
    std::vector<uint8_t>& out_;
    unsigned buffer_ = 0;
    int count_ = 0;
};

class SymbolCoder {
public:
    explicit SymbolCoder(BitWriter& bits) : bits_(bits) {}

    void Symbol(int symbol) {
        // The path is known leaf first; the decoder walks it root first.
        uint8_t path[kNodeCount];
        int depth = 0;
        for (int node = tree_.Parent(symbol + kNodeCount); node != kRoot; node = tree_.Parent(node))
            path[depth++] = uint8_t(node & 1);
        while (depth > 0) bits_.Bit(path[--depth]);
        tree_.Update(symbol);
    }

    void Distance(unsigned distance) {
        unsigned upper = distance >> 6;
        bits_.Bits(kPositionCode[upper] >> (8 - kPositionLength[upper]), kPositionLength[upper]);
        bits_.Bits(distance & 0x3F, 6);
    }

private:
    BitWriter& bits_;
    AdaptiveTree tree_;
};

// Longest-match search over hash chains of three-byte prefixes. The text is
// seen as the decoder's ring sees it: kRingStart blanks, then the data.
class MatchFinder {
public:
    explicit MatchFinder(const std::vector<uint8_t>& text) : text_(text), previous_(kRingSize, -1) {
        heads_.assign(1 << 14, -1);
    }

    void Insert(int64_t at) {
        if (at + 3 > int64_t(text_.size())) return;
        unsigned h = Hash(at);
        previous_[at & (kRingSize - 1)] = heads_[h];
        heads_[h] = at;
    }

    // Length and start of the longest earlier match of the text at `at`.
    std::pair<int, int64_t> Longest(int64_t at) const {
        int limit = int(std::min<int64_t>(kMaxMatch, int64_t(text_.size()) - at));
        if (limit < kThreshold + 1) return {0, 0};
        int best = 0;
        int64_t bestFrom = 0;
        int64_t from = heads_[Hash(at)];
        for (int tries = 0; from >= 0 && at - from < kRingSize && tries < 256; ++tries) {
            int length = 0;
            while (length < limit && text_[from + length] == text_[at + length]) ++length;
            if (length > best) {
                best = length;
                bestFrom = from;
                if (length == limit) break;
            }
            from = previous_[from & (kRingSize - 1)];
        }
        return {best, bestFrom};
    }

private:
    unsigned Hash(int64_t at) const {
        return (text_[at] << 6 ^ text_[at + 1] << 3 ^ text_[at + 2] ^ text_[at + 1] << 9) & ((1 << 14) - 1);
    }

    const std::vector<uint8_t>& text_;
    std::vector<int64_t> previous_;
    std::vector<int64_t> heads_;
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
