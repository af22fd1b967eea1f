#pragma once
#include <memory>

#include "skin/control/Painting.h"
#include "skin/control/SkinControl.h"
#include "skin/manager/SkinnerKind.h"

class TSkinFrame;

// One declared row per control kind: the kind the dispatch asks for,
// whether its skinner serves this control with this skin (the skin has
// what it draws with, and the control is one it can read), how the skinner
// is made, and how it paints.
struct TSkinnerRow {
    SkinnerKind Kind;
    bool (*Serves)(const TSkinData& skin, const TSkinTarget& target);
    std::unique_ptr<TSkinControl> (*Make)(TSkinFrame& frame);
    TPainting Painting;
    // A framework control takes the skin's button face colour while skinned.
    bool Recolours = false;
};

// The row of a kind; null where the program has no skinner of that kind.
const TSkinnerRow* SkinnerRowOf(SkinnerKind kind);

// The skinner of a kind for the target, attached; null where the kind has
// no row, or its skinner does not serve the target with this skin: the
// control then keeps its native look.
std::unique_ptr<TSkinControl> CreateSkinner(SkinnerKind kind, TSkinFrame& frame, const TSkinTarget& target);
