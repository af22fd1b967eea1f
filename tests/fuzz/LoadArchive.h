#pragma once
// A skin archive compressed and loaded as the main window loads its stored
// skin: the SkinStream property, a count and the compressed bytes.
#include <cstdint>
#include <vector>

#include "skin/data/SkinData.h"
#include "tools/skin/LzhEncoder.h"

inline void LoadArchive(TSkinData& skin, const std::vector<uint8_t>& archive) {
    std::vector<uint8_t> stream = LzhEncode(archive.data(), archive.size());
    std::vector<uint8_t> property(4 + stream.size());
    for (int i = 0; i < 4; ++i) property[i] = uint8_t(stream.size() >> (8 * i));
    std::copy(stream.begin(), stream.end(), property.begin() + 4);
    skin.ReadSkinStream(ByteView(property.data(), property.size(), "damaged"));
}
