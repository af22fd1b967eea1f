#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/stream/SkinIni.h"

class TSkinData;

// System colour indexes, numbered as GetSysColor numbers them.
enum class SystemColour {
    ScrollBar = 0,
    Menu = 4,
    Window = 5,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    ButtonText = 18,
    InactiveCaptionText = 19,
    ButtonHighlight = 20,
    DarkShadow3D = 21,
};

// What the skin loader needs from the system it runs on. The base answers
// with the classic Windows look and no resources, so skins load anywhere;
// the Windows program passes one that asks the system.
class TSkinHost {
public:
    virtual ~TSkinHost() = default;
    virtual TColor SystemColor(SystemColour which) const;
    // Width of a vertical scroll bar's arrow button.
    virtual int ScrollArrowWidth() const { return 17; }
    // A bitmap resource of the program (packed, without file header); empty
    // when the program has none of that name.
    virtual std::vector<uint8_t> ProgramBitmap(std::string_view name) const;
    // Tells the user something (GBK text).
    virtual void ShowMessage(const std::string& text) const;

    // The life of a skin data component, for the platform that skins windows
    // with it: loaded after the form data, switched on or off at run time, a
    // new skin read from a file, gone.
    virtual void SkinDataLoaded(TSkinData&) const {}
    virtual void SkinDataActivated(TSkinData&, bool /*active*/) const {}
    virtual void SkinDataReloaded(TSkinData&) const {}
    virtual void SkinDataDestroyed(TSkinData&) const {}
    // The whole content of the file at path (GBK); none when it cannot be
    // read or holds more than maxBytes.
    virtual std::optional<std::vector<uint8_t>> ReadFile(const std::string& path, uint64_t maxBytes) const;
};
