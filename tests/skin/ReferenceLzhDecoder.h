#pragma once
// A second LZHUF decoder, deliberately plain and written from the
// algorithm's description alone: it shares no table, model or code with the
// program's decoder or with the encoder, so an error in their shared model
// cannot round-trip unseen. Arrays and loops as the method describes them;
// no checks, as it only reads streams the tests trust.
#include <cstdint>
#include <cstring>
#include <vector>

class ReferenceLzhDecoder {
public:
    std::vector<uint8_t> Decode(const std::vector<uint8_t>& stream) {
        FStream = &stream;
        FNext = 4;
        FBitsLeft = 0;
        uint32_t length = stream[0] | stream[1] << 8 | stream[2] << 16 | uint32_t(stream[3]) << 24;
        StartTree();
        BuildPositionTable();
        std::vector<uint8_t> ring(kRing, ' ');
        unsigned r = kRing - kMaxMatch;
        std::vector<uint8_t> out;
        while (out.size() < length) {
            int c = DecodeSymbol();
            if (c < 256) {
                out.push_back(uint8_t(c));
                ring[r] = uint8_t(c);
                r = (r + 1) % kRing;
                continue;
            }
            unsigned from = (r - DecodePosition() - 1) % kRing;
            int count = c - 256 + kThreshold + 1;
            for (int k = 0; k < count && out.size() < length; ++k) {
                uint8_t byte = ring[(from + k) % kRing];
                out.push_back(byte);
                ring[r] = byte;
                r = (r + 1) % kRing;
            }
        }
        return out;
    }

private:
    static constexpr int kRing = 4096, kMaxMatch = 60, kThreshold = 2;
    static constexpr int kSymbols = 256 - kThreshold + kMaxMatch;  // 314
    static constexpr int kTable = 2 * kSymbols - 1;                 // 627
    static constexpr int kRoot = kTable - 1;
    static constexpr unsigned kMaxFrequency = 0x8000;

    int Bit() {
        if (FBitsLeft == 0) {
            FByte = FNext < FStream->size() ? (*FStream)[FNext] : 0;
            ++FNext;
            FBitsLeft = 8;
        }
        return FByte >> --FBitsLeft & 1;
    }

    int Byte() {
        int value = 0;
        for (int i = 0; i < 8; ++i) value = value << 1 | Bit();
        return value;
    }

    // Leaves are the symbols; every inner node joins two neighbours.
    void StartTree() {
        for (int i = 0; i < kSymbols; ++i) {
            FFrequency[i] = 1;
            FSon[i] = i + kTable;
            FParent[i + kTable] = i;
        }
        for (int i = 0, j = kSymbols; j <= kRoot; i += 2, ++j) {
            FFrequency[j] = FFrequency[i] + FFrequency[i + 1];
            FSon[j] = i;
            FParent[i] = FParent[i + 1] = j;
        }
        FFrequency[kTable] = 0xFFFF;
        FParent[kRoot] = 0;
    }

    // Halves the counts of the leaves and builds the tree anew from them.
    void Rebuild() {
        int j = 0;
        for (int i = 0; i < kTable; ++i) {
            if (FSon[i] >= kTable) {
                FFrequency[j] = (FFrequency[i] + 1) / 2;
                FSon[j] = FSon[i];
                ++j;
            }
        }
        for (int i = 0, j = kSymbols; j < kTable; i += 2, ++j) {
            unsigned f = FFrequency[i] + FFrequency[i + 1];
            FFrequency[j] = f;
            int k = j - 1;
            while (f < FFrequency[k]) --k;
            ++k;
            std::memmove(&FFrequency[k + 1], &FFrequency[k], (j - k) * sizeof FFrequency[0]);
            FFrequency[k] = f;
            std::memmove(&FSon[k + 1], &FSon[k], (j - k) * sizeof FSon[0]);
            FSon[k] = i;
        }
        for (int i = 0; i < kTable; ++i) {
            int k = FSon[i];
            FParent[k] = i;
            if (k < kTable) FParent[k + 1] = i;
        }
    }

    // Counts the symbol once more, swapping nodes to keep the counts ordered.
    void Count(int symbol) {
        if (FFrequency[kRoot] == kMaxFrequency) Rebuild();
        int c = FParent[symbol + kTable];
        do {
            unsigned k = ++FFrequency[c];
            int l = c + 1;
            if (k > FFrequency[l]) {
                while (k > FFrequency[++l]) {
                }
                --l;
                FFrequency[c] = FFrequency[l];
                FFrequency[l] = k;
                int i = FSon[c];
                FParent[i] = l;
                if (i < kTable) FParent[i + 1] = l;
                int j = FSon[l];
                FSon[l] = i;
                FParent[j] = c;
                if (j < kTable) FParent[j + 1] = c;
                FSon[c] = j;
                c = l;
            }
        } while ((c = FParent[c]) != 0);
    }

    int DecodeSymbol() {
        int c = FSon[kRoot];
        while (c < kTable) c = FSon[c + Bit()];
        c -= kTable;
        Count(c);
        return c;
    }

    // The upper six bits of a distance: a prefix code of 3 to 8 bits whose
    // lengths, in code order, are 1 x 3, 3 x 4, 8 x 5, 12 x 6, 24 x 7, 16 x 8.
    void BuildPositionTable() {
        const int lengths[][2] = {{3, 1}, {4, 3}, {5, 8}, {6, 12}, {7, 24}, {8, 16}};
        int byte = 0, upper = 0;
        for (auto [bits, count] : lengths)
            for (int n = 0; n < count; ++n, ++upper)
                for (int k = 0; k < 1 << (8 - bits); ++k, ++byte) {
                    FUpperOf[byte] = upper;
                    FLengthOf[byte] = bits;
                }
    }

    unsigned DecodePosition() {
        int i = Byte();
        unsigned upper = FUpperOf[i] << 6;
        for (int extra = FLengthOf[i] - 2; extra > 0; --extra) i = i << 1 | Bit();
        return upper | (i & 0x3F);
    }

    const std::vector<uint8_t>* FStream = nullptr;
    size_t FNext = 0;
    int FByte = 0, FBitsLeft = 0;
    unsigned FFrequency[kTable + 1];
    int FParent[kTable + kSymbols];
    int FSon[kTable];
    int FUpperOf[256], FLengthOf[256];
};
