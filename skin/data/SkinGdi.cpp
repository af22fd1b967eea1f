#include "skin/data/SkinGdi.h"

#include "base/Exception.h"
#include "skin/data/ProgramResource.h"
#include "skin/draw/Offscreen.h"
#include "skin/stream/BitmapReader.h"

namespace {
PixelBuffer ProgramBitmap(const wchar_t* name) {
    std::vector<uint8_t> dib = ProgramResource(name, RT_BITMAP);
    try {
        return ReadPackedBitmap(ByteView(dib.data(), dib.size(), kBitmapDamaged));
    } catch (const Exception&) {
        return {};
    }
}

PixelBuffer ApplicationIconPicture() {
    int width = GetSystemMetrics(SM_CXSMICON), height = GetSystemMetrics(SM_CYSMICON);
    TIconHandle icon(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, width, height, 0)));
    TOffscreen picture(width, height);
    picture.Fill(RGB(255, 0, 255));
    if (icon) DrawIconEx(picture.DC(), 0, 0, icon.Get(), width, height, 0, nullptr, DI_NORMAL);
    return picture.Pixels();
}

TFontHandle SystemCaptionFont() {
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return TFontHandle(CreateFontIndirectW(&metrics.lfCaptionFont));
}
}  // namespace

TSkinGdi::TSkinGdi(const TSkinData& skin)
    : FMenuGlyphs(ProgramBitmap(L"TARNWYKMENU")),
      FApplicationIcon(ApplicationIconPicture()),
      FCaptionFont(SystemCaptionFont()),
      FMaximisedSize{GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)} {
    Refresh(skin);
}

void TSkinGdi::Refresh(const TSkinData& skin) { FButtonFace.Reset(CreateSolidBrush(ToColorRef(skin.Colours.ButtonFace))); }

TSkinGdi& SkinGdiOf(TSkinData& skin) {
    if (!skin.Platform) skin.Platform = std::make_unique<TSkinGdi>(skin);
    return static_cast<TSkinGdi&>(*skin.Platform);
}

LRESULT ColourOnButtonFace(TSkinData& skin, UINT message, HDC dc, LRESULT native) {
    SetBkMode(dc, TRANSPARENT);
    if (message != WM_CTLCOLORSTATIC) return native;
    SetBkColor(dc, ToColorRef(skin.Colours.ButtonFace));
    return reinterpret_cast<LRESULT>(SkinGdiOf(skin).ButtonFaceBrush());
}
