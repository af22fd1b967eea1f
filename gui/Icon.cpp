#include "gui/Icon.h"

void TIcon::Assign(HICON icon) {
    FHandle.Reset(icon ? CopyIcon(icon) : nullptr);
    if (OnChange) OnChange();
}

void TImageList::Add(HICON icon) { FIcons.emplace_back(CopyIcon(icon)); }

void TImageList::GetIcon(int index, TIcon& icon) const {
    if (index >= 0 && index < Count()) icon.Assign(FIcons[index].Get());
}
