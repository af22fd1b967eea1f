#include "gui/Font.h"

#include <map>
#include <tuple>

#include "base/Exception.h"
#include "base/win32/Handles.h"
#include "base/win32/Win32Text.h"

namespace {
int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceInstalled(const std::wstring& face) {
    LOGFONTW query = {};
    query.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(query.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    bool found = false;
    TWindowDC screen(nullptr);
    EnumFontFamiliesExW(screen.Get(), &query, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}
}  // namespace

HFONT TFont::Handle() const {
    static std::map<std::tuple<std::string, int, BYTE>, TFontHandle> fonts;
    auto key = std::make_tuple(Name, Height, Charset);
    auto found = fonts.find(key);
    if (found != fonts.end()) return found->second.Get();
    LOGFONTW description = {};
    description.lfHeight = Height;
    description.lfWeight = FW_NORMAL;
    description.lfCharSet = Charset;
    description.lfQuality = DEFAULT_QUALITY;
    std::wstring face = Widen(Name);
    if (FaceInstalled(face)) {
        wcsncpy(description.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    } else {
        // Every text of the program is Chinese: without the named face, the
        // mapper is asked for any face that has Chinese at the same height.
        description.lfCharSet = GB2312_CHARSET;
    }
    TFontHandle font(CreateFontIndirectW(&description));
    if (!font) throw Exception("cannot create the font " + Name);
    return fonts.emplace(key, std::move(font)).first->second.Get();
}
