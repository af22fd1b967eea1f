#pragma once
#include <windows.h>

#include "skin/data/SkinData.h"
#include "skin/draw/PixelBuffer.h"
#include "skin/menu/MenuItemLayout.h"

class TMenu;

// Menu items in the skin's look: the framework's items get the skin's draw
// and measure handlers (those without a measure handler of their own), and
// owner-drawn native items are measured and drawn on request. images is a
// strip of 16 x 16 glyphs for the items' ImageIndex, white transparent.
void AttachSkinHandlers(TMenu& menu, TSkinData& skin, MenuKind kind, const PixelBuffer* images = nullptr);
// Takes the skin's handlers off again and gives the items their plain look.
void DetachSkinHandlers(TMenu& menu);

// WM_MEASUREITEM and WM_DRAWITEM about owner-drawn menu items: false when
// the skin has no MenuItem element (the item keeps its plain drawing).
bool MeasureNativeMenuItem(TSkinData& skin, MEASUREITEMSTRUCT& measure);
bool DrawNativeMenuItem(TSkinData& skin, DRAWITEMSTRUCT& draw);

// The system's own menus that a control opens (an edit box's context menu)
// are made owner-drawn as their window is made, before it first paints, so
// that the skin measures and draws them as the program's, on the owner's
// request. Menus of the framework are left alone.
void OwnerDrawSystemsMenu(TSkinData& skin, HMENU menu);
// WM_MEASUREITEM and WM_DRAWITEM about such an item: false for other items.
bool MeasureSystemsMenuItem(TSkinData& skin, MEASUREITEMSTRUCT& measure);
bool DrawSystemsMenuItem(TSkinData& skin, DRAWITEMSTRUCT& draw);

// WM_MENUCHAR in an owner-drawn menu of the framework: the enabled item
// whose accelerator the typed character is, to be chosen (MNC_EXECUTE with
// its position); 0 when none is.
LRESULT ChooseByAccelerator(HMENU menu, wchar_t typed);
