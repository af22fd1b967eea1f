#pragma once
#include "skin/data/SkinHost.h"

// The skin loader's view of Windows: system colours and metrics, the
// program's bitmap resources, message boxes and files.
class TWin32SkinHost : public TSkinHost {
public:
    TColor SystemColor(SystemColour which) const override;
    int ScrollArrowWidth() const override;
    std::vector<uint8_t> ProgramBitmap(std::string_view name) const override;
    void ShowMessage(const std::string& text) const override;

    // The skin manager takes over from here.
    void SkinDataLoaded(TSkinData& skin) const override;
    void SkinDataActivated(TSkinData& skin, bool active) const override;
    void SkinDataReloaded(TSkinData& skin) const override;
    void SkinDataDestroyed(TSkinData& skin) const override;
    std::optional<std::vector<uint8_t>> ReadFile(const std::string& path, uint64_t maxBytes) const override;
};

// The one host of the running program, for skin data that lives as long as it.
const TSkinHost& SystemSkinHost();
