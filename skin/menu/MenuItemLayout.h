#pragma once
#include "skin/data/SkinElements.h"
#include "skin/frame/FrameCoordinates.h"

// Owner-drawn menu items: how big they are and where their parts go.

// Which menu an item is measured for.
enum class MenuKind {
    PopupMenu,        // a framework popup menu (tray menu, system menu)
    MainMenuSubmenu,  // a menu opened from a framework form's menu bar
    NativeMenu,       // a menu of a bare window (WM_MEASUREITEM)
};

struct MenuItemMeasureInput {
    MenuKind Kind = MenuKind::PopupMenu;
    // The framework's own measurement, or for native menus the caption width
    // in the system menu font.
    int Width = 0;
    // The framework's height, or for native menus the height Windows asked.
    int Height = 0;
    bool HasImageList = false;
    bool Separator = false;
    // The right edge of the menu background's left strip, in the item's
    // coordinates; 0 without one.
    int StripRight = 0;
};

// The skin's MenuItem element adds its left width; it is at most the width
// of one state of its image, so a stray value cannot widen every menu.
Size MeasureMenuItem(const MenuItemMeasureInput& input, const TSkinElement* menuItem);

// The left width of a menu element (MenuItem, or MenuBackground's strip) as
// measuring and drawing use it.
int MenuItemLeftWidth(const TSkinElement* menuItem);

// Where the parts of an item go inside its rectangle. The caption is drawn
// single-line and vertically centred in CaptionRect; the shortcut text is
// drawn right-aligned in ShortcutRect (left-aligned when right to left).
struct MenuItemGeometry {
    Rect Glyph;  // the square for the image, check mark or checker pattern
    Rect CaptionRect;
    Rect ShortcutRect;
};
// imageListWidth is 0 without an image list; right-to-left items are the
// mirror image of left-to-right ones. The glyph square stays inside the
// background's left strip, whose right edge lies at stripRight from the
// item's left; text over the strip would read badly, so the caption starts
// past it.
MenuItemGeometry LayoutMenuItem(Rect item, int leftWidth, int imageListWidth, bool checked, bool rightToLeft,
                                int stripRight = 0);
