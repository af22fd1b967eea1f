#pragma once
#include "skin/SkinArchive.h"
#include "skin/SkinData.h"
#include "skin/SkinIni.h"

// The two halves of loading a skin into a TSkinData: reading every section
// of the description, then deriving what the skin does not store (fixed
// frame counts, the combo box picture, the toolbar gradient).
void ReadSkinDescription(TSkinData& skin, const TSkinReader& archive, const TSkinIni& ini);
void PrepareSkin(TSkinData& skin);

// Combo box picture geometry: one cell per state of the sunk edge.
inline constexpr int kComboCellWidth = 50;
inline constexpr int kComboCellHeight = 21;
inline constexpr int kComboEdge = 2;
