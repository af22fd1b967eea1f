#include "skin/panel/SkinBox.h"

#include "skin/data/SkinGdi.h"
#include "skin/draw/Offscreen.h"

void TSkinBox::Draw(TOffscreen& canvas) { canvas.Fill(ToColorRef(Skin().Colours.ButtonFace)); }
