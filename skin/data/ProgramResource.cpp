#include "skin/data/ProgramResource.h"

#include "skin/data/SkinData.h"

std::vector<uint8_t> ProgramResource(const wchar_t* name, LPCWSTR type) {
    HRSRC found = FindResourceW(nullptr, name, type);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(nullptr, found);
    const auto* bytes = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    if (!bytes) return {};
    return {bytes, bytes + SizeofResource(nullptr, found)};
}

void ReadSkinStreamResource(TSkinData& skin) {
    std::vector<uint8_t> property = ProgramResource(kSkinStreamResource, RT_RCDATA);
    skin.ReadSkinStream(ByteView(property.data(), property.size(), "skin stream damaged"));
}
