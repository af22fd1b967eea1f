#pragma once
#include <string_view>

// The browsers whose address is read through accessibility. Electron
// programs share Chromium's frame class, so a window counts only when its
// frame class and its process's executable name are on one row.
struct KnownBrowser {
    std::wstring_view FrameClass;
    std::wstring_view Executable;
};

// The row of a frame class (exact) and an executable's file name (any case);
// null when the pair is not a known browser.
const KnownBrowser* FindKnownBrowser(std::wstring_view frameClass, std::wstring_view executable);
// Whether any row has the frame class: only then is the process looked at.
bool IsBrowserFrameClass(std::wstring_view frameClass);
