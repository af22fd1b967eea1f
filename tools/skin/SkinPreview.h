#pragma once
#include "skin/data/SkinData.h"
#include "skin/draw/PixelBuffer.h"

// A contact sheet of a loaded skin: an active and an inactive window with
// a menu and controls, a popup menu, then every element in every state,
// each at its own size and stretched, all drawn by the element rule.
PixelBuffer RenderContactSheet(const TSkinData& skin);
