#include "gui/Font.h"

#include <map>
#include <tuple>

#include "gui/Win32Text.h"

HFONT TFont::Handle() const {
    static std::map<std::tuple<std::string, int, BYTE>, HFONT> fonts;
    auto key = std::make_tuple(Name, Height, Charset);
    auto found = fonts.find(key);
    if (found != fonts.end()) return found->second;
    LOGFONTW description = {};
    description.lfHeight = Height;
    description.lfWeight = FW_NORMAL;
    description.lfCharSet = Charset;
    description.lfQuality = DEFAULT_QUALITY;
    wcsncpy(description.lfFaceName, Widen(Name).c_str(), LF_FACESIZE - 1);
    HFONT font = CreateFontIndirectW(&description);
    fonts.emplace(key, font);
    return font;
}
