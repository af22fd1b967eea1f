#pragma once
#include <windows.h>

#include <memory>

#include "skin/data/SkinData.h"
#include "skin/frame/FrameStyle.h"

class TPopupMenu;

// The window's system menu as an owner-drawn popup menu in the skin's look
// (Tag 33333): the system's items with the skin's glyphs, each enabled by
// the window's state and boxes; choosing one posts its system command.
std::unique_ptr<TPopupMenu> BuildSkinnedSystemMenu(HWND window, TSkinData& skin, WindowState state,
                                                   const FrameFlags& flags);

inline constexpr int kSystemMenuTag = 33333;
