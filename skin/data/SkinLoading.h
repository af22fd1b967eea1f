#pragma once
#include "skin/data/SkinData.h"
#include "skin/stream/SkinArchive.h"
#include "skin/stream/SkinIni.h"

// The two halves of loading a skin into a TSkinData: reading every section
// of the description, then deriving what the skin does not store (fixed
// frame counts, the combo box picture, the toolbar gradient).
void ReadSkinDescription(TSkinData& skin, const TSkinReader& archive, const TSkinIni& ini);
void PrepareSkin(TSkinData& skin);

// Ceilings that keep a small skin from taking gigabytes: caption buttons
// beyond the first kMaxCaptionButtons sections are not read, and the images
// of one load (each entry decoded once, each element's copy) hold at most
// kMaxSkinPixels pixels together; images past that stay empty.
inline constexpr size_t kMaxCaptionButtons = 32;
inline constexpr int64_t kMaxSkinPixels = 16 << 20;

// Combo box picture geometry: one cell per state of the sunk edge.
inline constexpr int kComboCellWidth = 50;
inline constexpr int kComboCellHeight = 21;
inline constexpr int kComboEdge = 2;
