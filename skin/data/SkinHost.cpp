#include "skin/data/SkinHost.h"

#include <fstream>

namespace {

constexpr TColor Rgb(int red, int green, int blue) { return red | green << 8 | blue << 16; }

}  // namespace

TColor TSkinHost::SystemColor(SystemColour which) const {
    switch (which) {
        case SystemColour::Highlight: return Rgb(10, 36, 106);
        case SystemColour::ButtonShadow: return Rgb(128, 128, 128);
        case SystemColour::DarkShadow3D: return Rgb(64, 64, 64);
        case SystemColour::ScrollBar:
        case SystemColour::Menu:
        case SystemColour::ButtonFace:
        case SystemColour::InactiveCaptionText: return Rgb(212, 208, 200);
        case SystemColour::Window:
        case SystemColour::CaptionText:
        case SystemColour::HighlightText:
        case SystemColour::ButtonHighlight: return Rgb(255, 255, 255);
        case SystemColour::MenuText:
        case SystemColour::WindowText:
        case SystemColour::ButtonText: return 0;
    }
    return 0;
}

std::vector<uint8_t> TSkinHost::ProgramBitmap(std::string_view) const { return {}; }

void TSkinHost::ShowMessage(const std::string&) const {}

std::optional<std::vector<uint8_t>> TSkinHost::ReadFile(const std::string& path, uint64_t maxBytes) const {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) return std::nullopt;
    std::streamoff size = file.tellg();
    if (size < 0 || uint64_t(size) > maxBytes) return std::nullopt;
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    file.seekg(0);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), size)) return std::nullopt;
    return bytes;
}
