#include "gui/Icon.h"

TIcon::~TIcon() {
    if (FHandle) DestroyIcon(FHandle);
}

void TIcon::Assign(HICON icon) {
    HICON copy = icon ? CopyIcon(icon) : nullptr;
    if (FHandle) DestroyIcon(FHandle);
    FHandle = copy;
    if (OnChange) OnChange();
}

TImageList::~TImageList() {
    for (HICON icon : FIcons) DestroyIcon(icon);
}

void TImageList::Add(HICON icon) { FIcons.push_back(CopyIcon(icon)); }

void TImageList::GetIcon(int index, TIcon& icon) const {
    if (index >= 0 && index < Count()) icon.Assign(FIcons[index]);
}
