#include "gui/Icon.h"

TIcon::~TIcon() {
    if (handle_) DestroyIcon(handle_);
}

void TIcon::Assign(HICON icon) {
    HICON copy = icon ? CopyIcon(icon) : nullptr;
    if (handle_) DestroyIcon(handle_);
    handle_ = copy;
    if (OnChange) OnChange();
}

TImageList::~TImageList() {
    for (HICON icon : icons_) DestroyIcon(icon);
}

void TImageList::Add(HICON icon) { icons_.push_back(CopyIcon(icon)); }

void TImageList::GetIcon(int index, TIcon& icon) const {
    if (index >= 0 && index < Count()) icon.Assign(icons_[index]);
}
