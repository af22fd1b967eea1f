#include "skin/button/SkinSpeedButton.h"

#include "gui/SpeedButton.h"
#include "skin/button/GlyphButtonLook.h"
#include "skin/button/PushButtonLook.h"
#include "skin/data/SkinGdi.h"
#include "skin/draw/ElementDrawing.h"
#include "skin/draw/Offscreen.h"

bool TSkinSpeedButton::Serves(TWinControl* control) { return dynamic_cast<TSpeedButton*>(control) != nullptr; }

const TSpeedButton& TSkinSpeedButton::Button() const { return dynamic_cast<const TSpeedButton&>(*Control()); }

void TSkinSpeedButton::Draw(TOffscreen& canvas) {
    const TSkinButtonElement& buttons = Skin().Buttons;
    int width = canvas.Width(), height = canvas.Height();
    const TSpeedButton& button = Button();
    SpeedButtonState state = {.Enabled = button.Enabled(),
                              .Pressed = button.Pressed(),
                              .Down = button.Down(),
                              .Hot = button.Hot(),
                              .Flat = button.Flat()};
    int frame = SpeedButtonFrameOf(state);
    if (frame != kNoButtonFrame)
        DrawElement(canvas, {0, 0, width, height}, buttons.Picture(), frame);

    // A flat button at rest writes in the colours of the image it would show.
    int colourFrame = frame != kNoButtonFrame ? frame
                      : state.Enabled        ? PushButtonFrame::Normal
                                             : PushButtonFrame::Disabled;
    TColor colour = PushButtonTextColour(buttons, colourFrame, TColor(ControlTextColour()),
                                         TColor(GetSysColor(COLOR_BTNSHADOW)));
    RECT face = {0, 0, width, height};
    int shift = PressedFaceShift(frame);
    OffsetRect(&face, shift, shift);
    DrawGlyphAndCaption(canvas.DC(), face,
                        {button.Glyph(), button.GlyphLayout(), SpeedButtonGlyphState(state), button.Text(),
                         ControlFont(), ToColorRef(colour)});
}
