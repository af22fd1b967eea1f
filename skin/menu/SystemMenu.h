#pragma once
#include <memory>

class TPopupMenu;
class TSkinFrame;

// The window's system menu as an owner-drawn popup menu in the skin's look
// (Tag 33333): the system's items with the skin's glyphs, each enabled by
// the window's state; choosing one posts its system command.
std::unique_ptr<TPopupMenu> BuildSkinnedSystemMenu(TSkinFrame& frame);

inline constexpr int kSystemMenuTag = 33333;
