#pragma once
#include <optional>
#include <string>
#include <vector>

// Keyboard travel along the skinned menu bar while one of its menus is open.
enum class MenuArrow { Left, Right };

// The item the arrow leads to from `current`, skipping hidden items and
// wrapping around at both ends; right-to-left bars swap the arrows. -1 when
// no item is visible.
int MenuBarItemAfterArrow(const std::vector<bool>& visible, int current, MenuArrow arrow, bool rightToLeft);

// The accelerator of a caption (GBK): the ASCII character after a single
// "&", in upper case; "&&" is a plain ampersand. None when the caption has
// none, or marks a double-byte character.
std::optional<char> MenuAccelerator(const std::string& caption);

// The first visible item whose accelerator is the letter (any case), or -1.
int MenuBarItemForAccelerator(const std::vector<std::string>& captions, const std::vector<bool>& visible, char letter);
