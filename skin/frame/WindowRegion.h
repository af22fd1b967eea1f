#pragma once
#include "base/win32/Handles.h"
#include "skin/data/SkinData.h"
#include "skin/frame/FrameMetrics.h"

// The region of a skinned window of the given size: the client area joined
// with the borders, each cut from the magenta parts of its painted image
// when the border is transparent. Null (the whole window) when no side or
// top border is transparent.
TRegion SkinnedWindowRegion(const TSkinData& skin, const FrameMetrics& metrics, Size window);
