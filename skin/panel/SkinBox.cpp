#include "skin/panel/SkinBox.h"

#include "skin/data/SkinGdi.h"

void TSkinBox::Draw(HDC dc, const RECT& area) { FillRect(dc, &area, SkinGdiOf(Skin()).ButtonFaceBrush()); }
