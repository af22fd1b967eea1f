#include "skin/checkbox/SkinObjImage.h"

#include "skin/checkbox/ToggleButtonLook.h"
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

TSkinObjImage::~TSkinObjImage() {
    if (State() == Attached) Detach();
}

void TSkinObjImage::Attach(TWinControl& control, bool recolour) {
    auto* box = dynamic_cast<TGlyphCheckBox*>(&control);
    if (!box) return;
    TSkinControl::Attach(control, recolour);
    if (State() != Attached) return;
    FBox = box;
    FGlyphsBefore = TBitmap(CopyOf(box->CustomGlyphs()));
    FUsedBefore = box->UseCustomGlyphs();
    FTransparentBefore = box->TransparentColor();
    GiveGlyphs();
}

// A bare window carries no glyphs to swap.
void TSkinObjImage::AttachWindow(HWND) {}

void TSkinObjImage::GiveGlyphs() {
    const TSkinButtonElement& buttons = Skin().Buttons;
    ElementPicture box = FRadio
                             ? ElementPicture{.Image = &buttons.RadioImage, .FrameCount = buttons.RadioFrameCount}
                             : ElementPicture{.Image = &buttons.CheckImage, .FrameCount = buttons.CheckFrameCount};
    PixelBuffer strip = ToggleGlyphStrip(box);
    if (strip.Empty()) return;
    FBox->SetCustomGlyphs(BitmapOf(strip).Get());
    FBox->SetTransparentColor(RGB(255, 0, 255));  // the skin's transparent colour
    FBox->SetUseCustomGlyphs(true);
}

void TSkinObjImage::Detach() {
    if (FBox && State() == Attached) {
        FBox->SetCustomGlyphs(FGlyphsBefore.Get());
        FBox->SetTransparentColor(FTransparentBefore);
        FBox->SetUseCustomGlyphs(FUsedBefore);
    }
    FBox = nullptr;
    TSkinControl::Detach();
}

void TSkinObjImage::Refresh() {
    if (FBox) GiveGlyphs();
    TSkinControl::Refresh();
}
