// Any bytes as a skin archive, compressed as a skin stream is stored and
// loaded into a TSkinData the way the main window loads its skin: the
// archive, the description, the bitmaps, the elements with their fixed
// frame counts, the combo picture and the toolbar gradient. Then every
// element is drawn by the drawing rule at odd sizes in every frame.
#include <cstddef>
#include <cstdint>

#include "tests/fuzz/LoadArchive.h"

namespace {

void DrawEveryState(const ElementPicture& picture) {
    for (Rect area : {Rect{0, 0, 40, 25}, Rect{-3, 5, 7, 1}, Rect{10, 10, 1, 60}}) {
        PixelBuffer target(48, 32);
        for (int frame = 0; frame < 30 && frame <= int64_t(picture.FrameCount) + 1; ++frame)
            DrawElement(target, area, picture, frame);
    }
}

void DrawAll(const TSkinData& skin) {
    for (const auto& [name, element] : skin.Elements) DrawEveryState(element->Picture());
    for (const TSkinSysButtonElement& button : skin.CaptionButtons) DrawEveryState(button.Picture());
    for (const TSkinFrameBorder* border : {&skin.Left, &skin.Right, &skin.Top, &skin.Bottom})
        DrawEveryState(border->Picture());
    DrawEveryState(skin.Buttons.Picture());
    DrawEveryState(skin.Title.Picture());
    std::initializer_list<const TSkinElement*> derived = {skin.ComboButton.get(), skin.ComboxArrow.get(),
                                                          skin.Toolbar.get(), skin.Progress.get()};
    for (const TSkinElement* element : derived)
        if (element) DrawEveryState(element->Picture());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const TSkinHost host;
    TSkinData skin(host);
    LoadArchive(skin, std::vector<uint8_t>(data, data + size));
    DrawAll(skin);
    return 0;
}
