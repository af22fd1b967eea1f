#include "skin/win32/SkinBox.h"

#include "skin/win32/SkinGdi.h"

void TSkinBox::Draw(HDC dc, const RECT& area) { FillRect(dc, &area, SkinGdiOf(Skin()).ButtonFaceBrush()); }
