#include "skin/checkbox/SkinObjImage.h"

#include "skin/checkbox/ToggleButtonLook.h"
#include "skin/data/SkinGdi.h"
#include "skin/draw/DibOutput.h"

namespace {
HBITMAP CopyOf(HBITMAP bitmap) { return bitmap ? HBITMAP(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0)) : nullptr; }

TBitmap BitmapOf(const PixelBuffer& picture) {
    TWindowDC screen(nullptr);
    TBitmap bitmap(CreateCompatibleBitmap(screen.Get(), picture.Width(), picture.Height()));
    TMemoryDC dc(CreateCompatibleDC(screen.Get()));
    TSelection into(dc.Get(), bitmap.Get());
    DrawPixelBuffer(dc.Get(), 0, 0, picture);
    return bitmap;
}
}  // namespace

bool TSkinObjImage::Serves(TWinControl* control) { return dynamic_cast<TGlyphCheckBox*>(control) != nullptr; }

void TSkinObjImage::AfterAttach() {
    FBox = dynamic_cast<TGlyphCheckBox*>(Control());
    FGlyphsBefore = TBitmap(CopyOf(FBox->CustomGlyphs()));
    FUsedBefore = FBox->UseCustomGlyphs();
    FTransparentBefore = FBox->TransparentColor();
    FColorBefore = FBox->Color();
    GiveGlyphs();
}

void TSkinObjImage::GiveGlyphs() {
    const TSkinButtonElement& buttons = Skin().Buttons;
    PixelBuffer strip = ToggleGlyphStrip(FRadio ? buttons.RadioPicture() : buttons.CheckPicture());
    if (strip.Empty()) return;
    FBox->SetCustomGlyphs(BitmapOf(strip).Get());
    // The strip keeps the box's magenta: the control leaves it out.
    FBox->SetTransparentColor(ToColorRef(ColorFromPixel(kMagenta)));
    FBox->SetUseCustomGlyphs(true);
    // The control fills its background itself: the skin's face, as the form's.
    FBox->SetColor(ToColorRef(Skin().Colours.ButtonFace));
}

void TSkinObjImage::GiveTheirsBack() {
    FBox->SetCustomGlyphs(FGlyphsBefore.Get());
    FBox->SetTransparentColor(FTransparentBefore);
    FBox->SetUseCustomGlyphs(FUsedBefore);
    FBox->SetColor(FColorBefore);
}

void TSkinObjImage::BeforeDetach() {
    GiveTheirsBack();
    FBox = nullptr;
}

void TSkinObjImage::PaintingSwitched() {
    if (PaintingEnabled())
        GiveGlyphs();
    else
        GiveTheirsBack();
}

void TSkinObjImage::Refresh() {
    if (FBox) GiveGlyphs();
    TSkinControl::Refresh();
}
