#include "skin/stream/LzhModel.h"

#include <algorithm>

namespace lzh {

const std::array<uint8_t, 64> kPositionCode = {
    0x00, 0x20, 0x30, 0x40, 0x50, 0x58, 0x60, 0x68, 0x70, 0x78, 0x80, 0x88, 0x90, 0x94, 0x98, 0x9C,
    0xA0, 0xA4, 0xA8, 0xAC, 0xB0, 0xB4, 0xB8, 0xBC, 0xC0, 0xC2, 0xC4, 0xC6, 0xC8, 0xCA, 0xCC, 0xCE,
    0xD0, 0xD2, 0xD4, 0xD6, 0xD8, 0xDA, 0xDC, 0xDE, 0xE0, 0xE2, 0xE4, 0xE6, 0xE8, 0xEA, 0xEC, 0xEE,
    0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF};

const std::array<uint8_t, 64> kPositionLength = {
    3, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 7, 7, 7, 7, 7, 7, 7, 7,
    7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8};

AdaptiveTree::AdaptiveTree() {
    for (int i = 0; i < kSymbolCount; ++i) {
        FFrequency[i] = 1;
        FSon[i] = int16_t(i + kNodeCount);
        FParent[i + kNodeCount] = int16_t(i);
    }
    for (int i = 0, j = kSymbolCount; j <= kRoot; i += 2, ++j) {
        FFrequency[j] = uint16_t(FFrequency[i] + FFrequency[i + 1]);
        FSon[j] = int16_t(i);
        FParent[i] = FParent[i + 1] = int16_t(j);
    }
    FFrequency[kNodeCount] = 0xFFFF;
    FParent[kRoot] = 0;
}

void AdaptiveTree::Rebuild() {
    // Keep the leaves with halved counts, then pair them up again from the
    // rarest, inserting each new node where its count keeps the order.
    int leaves = 0;
    for (int i = 0; i < kNodeCount; ++i) {
        if (FSon[i] >= kNodeCount) {
            FFrequency[leaves] = uint16_t((FFrequency[i] + 1) / 2);
            FSon[leaves] = FSon[i];
            ++leaves;
        }
    }
    for (int i = 0, j = kSymbolCount; j < kNodeCount; i += 2, ++j) {
        uint16_t sum = uint16_t(FFrequency[i] + FFrequency[i + 1]);
        int k = j - 1;
        while (sum < FFrequency[k]) --k;
        ++k;
        std::copy_backward(FFrequency.begin() + k, FFrequency.begin() + j, FFrequency.begin() + j + 1);
        std::copy_backward(FSon.begin() + k, FSon.begin() + j, FSon.begin() + j + 1);
        FFrequency[k] = sum;
        FSon[k] = int16_t(i);
    }
    for (int i = 0; i < kNodeCount; ++i) {
        int k = FSon[i];
        FParent[k] = int16_t(i);
        if (k < kNodeCount) FParent[k + 1] = int16_t(i);
    }
}

void AdaptiveTree::Update(int symbol) {
    if (FFrequency[kRoot] == kMaxFrequency) Rebuild();
    int node = FParent[symbol + kNodeCount];
    do {
        unsigned count = ++FFrequency[node];
        if (count > FFrequency[node + 1]) {
            // Swap the node with the last one of lower count, so counts stay sorted.
            int last = node + 1;
            while (count > FFrequency[last + 1]) ++last;
            FFrequency[node] = FFrequency[last];
            FFrequency[last] = uint16_t(count);

            int nodeSon = FSon[node];
            FParent[nodeSon] = int16_t(last);
            if (nodeSon < kNodeCount) FParent[nodeSon + 1] = int16_t(last);
            int lastSon = FSon[last];
            FSon[last] = int16_t(nodeSon);
            FParent[lastSon] = int16_t(node);
            if (lastSon < kNodeCount) FParent[lastSon + 1] = int16_t(node);
            FSon[node] = int16_t(lastSon);
            node = last;
        }
        node = FParent[node];
    } while (node != 0);
}

}  // namespace lzh
