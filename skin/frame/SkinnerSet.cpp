#include "skin/frame/SkinnerSet.h"

#include "skin/control/SkinControl.h"

TSkinnerSet::~TSkinnerSet() = default;

void TSkinnerSet::Add(std::unique_ptr<TSkinControl> skinner) { FSkinners.push_back(std::move(skinner)); }

bool TSkinnerSet::HasOneFor(HWND control) const {
    for (const auto& skinner : FSkinners)
        if (skinner->Handle() == control) return true;
    return false;
}

// Each gives back what it changed while all are whole.
void TSkinnerSet::Clear() {
    for (auto& skinner : FSkinners) skinner->Detach();
    FSkinners.clear();
}
