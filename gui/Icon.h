#pragma once
#include <windows.h>

#include <functional>
#include <vector>

#include "base/win32/Handles.h"

// An icon image that owns its handle and tells when it changes.
class TIcon {
public:
    TIcon() = default;
    TIcon(const TIcon&) = delete;
    TIcon& operator=(const TIcon&) = delete;

    HICON Handle() const { return FHandle.Get(); }
    bool Empty() const { return !FHandle; }
    // Takes a copy of the given icon.
    void Assign(HICON icon);
    void Assign(const TIcon& icon) { Assign(icon.Handle()); }

    std::function<void()> OnChange;

private:
    TIconHandle FHandle;
};

// A numbered list of icons, each a copy owned by the list.
class TImageList {
public:
    TImageList() = default;
    TImageList(const TImageList&) = delete;
    TImageList& operator=(const TImageList&) = delete;

    int Count() const { return int(FIcons.size()); }
    void Add(HICON icon);
    void GetIcon(int index, TIcon& icon) const;

private:
    std::vector<TIconHandle> FIcons;
};
