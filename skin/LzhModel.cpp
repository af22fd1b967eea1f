#include "skin/LzhModel.h"

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
        frequency_[i] = 1;
        son_[i] = int16_t(i + kNodeCount);
        parent_[i + kNodeCount] = int16_t(i);
    }
    for (int i = 0, j = kSymbolCount; j <= kRoot; i += 2, ++j) {
        frequency_[j] = uint16_t(frequency_[i] + frequency_[i + 1]);
        son_[j] = int16_t(i);
        parent_[i] = parent_[i + 1] = int16_t(j);
    }
    frequency_[kNodeCount] = 0xFFFF;
    parent_[kRoot] = 0;
}

void AdaptiveTree::Rebuild() {
    // Keep the leaves with halved counts, then pair them up again from the
    // rarest, inserting each new node where its count keeps the order.
    int leaves = 0;
    for (int i = 0; i < kNodeCount; ++i) {
        if (son_[i] >= kNodeCount) {
            frequency_[leaves] = uint16_t((frequency_[i] + 1) / 2);
            son_[leaves] = son_[i];
            ++leaves;
        }
    }
    for (int i = 0, j = kSymbolCount; j < kNodeCount; i += 2, ++j) {
        uint16_t sum = uint16_t(frequency_[i] + frequency_[i + 1]);
        int k = j - 1;
        while (sum < frequency_[k]) --k;
        ++k;
        std::copy_backward(frequency_.begin() + k, frequency_.begin() + j, frequency_.begin() + j + 1);
        std::copy_backward(son_.begin() + k, son_.begin() + j, son_.begin() + j + 1);
        frequency_[k] = sum;
        son_[k] = int16_t(i);
    }
    for (int i = 0; i < kNodeCount; ++i) {
        int k = son_[i];
        parent_[k] = int16_t(i);
        if (k < kNodeCount) parent_[k + 1] = int16_t(i);
    }
}

void AdaptiveTree::Update(int symbol) {
    if (frequency_[kRoot] == kMaxFrequency) Rebuild();
    int node = parent_[symbol + kNodeCount];
    do {
        unsigned count = ++frequency_[node];
        if (count > frequency_[node + 1]) {
            // Swap the node with the last one of lower count, so counts stay sorted.
            int last = node + 1;
            while (count > frequency_[last + 1]) ++last;
            frequency_[node] = frequency_[last];
            frequency_[last] = uint16_t(count);

            int nodeSon = son_[node];
            parent_[nodeSon] = int16_t(last);
            if (nodeSon < kNodeCount) parent_[nodeSon + 1] = int16_t(last);
            int lastSon = son_[last];
            son_[last] = int16_t(nodeSon);
            parent_[lastSon] = int16_t(node);
            if (lastSon < kNodeCount) parent_[lastSon + 1] = int16_t(node);
            son_[node] = int16_t(lastSon);
            node = last;
        }
        node = parent_[node];
    } while (node != 0);
}

}  // namespace lzh
