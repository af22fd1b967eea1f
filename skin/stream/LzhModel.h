#pragma once
#include <array>
#include <cstdint>

// The LZHUF model shared by the skin stream decoder and the tools' encoder:
// an LZSS ring buffer whose symbols are coded with an adaptive Huffman tree.
namespace lzh {

constexpr int kRingSize = 4096;
constexpr int kMaxMatch = 60;
constexpr int kThreshold = 2;                      // matches start at 3 bytes
constexpr int kRingStart = kRingSize - kMaxMatch;  // first write position, 4036
constexpr int kSymbolCount = 256 - kThreshold + kMaxMatch;  // 314
constexpr int kNodeCount = kSymbolCount * 2 - 1;            // 627
constexpr int kRoot = kNodeCount - 1;
constexpr unsigned kMaxFrequency = 0x8000;
constexpr uint8_t kRingFill = ' ';

// Match lengths 3..60 are the symbols 256..313.
constexpr int MatchSymbol(int length) { return length + 255 - kThreshold; }
constexpr int MatchLength(int symbol) { return symbol - 255 + kThreshold; }

// The upper 6 bits of a match distance are sent as a prefix code of
// kPositionLength[i] bits, top-aligned in kPositionCode[i]; the lower 6 bits
// follow as they are.
extern const std::array<uint8_t, 64> kPositionCode;
extern const std::array<uint8_t, 64> kPositionLength;

// Adaptive Huffman tree over the 314 symbols. Nodes are kept in order of
// frequency; children of a node are son[n] and son[n] + 1, and a son value of
// kNodeCount or more stands for the leaf of symbol son - kNodeCount.
class AdaptiveTree {
public:
    AdaptiveTree();

    // Counts one more occurrence of symbol, reordering the tree so it stays
    // a Huffman tree; halves all counts when the root reaches kMaxFrequency.
    void Update(int symbol);

    int Son(int node) const { return FSon[node]; }
    // Parent of a node; leaves are reached as parent index symbol + kNodeCount.
    int Parent(int index) const { return FParent[index]; }

private:
    void Rebuild();

    std::array<uint16_t, kNodeCount + 1> FFrequency{};  // last one is a sentinel
    std::array<int16_t, kNodeCount + kSymbolCount> FParent{};
    std::array<int16_t, kNodeCount> FSon{};
};

}  // namespace lzh
