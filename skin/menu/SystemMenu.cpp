#include "skin/menu/SystemMenu.h"

#include "base/win32/Win32Text.h"
#include "gui/Menus.h"
#include "skin/data/SkinGdi.h"
#include "skin/menu/SkinMenuItems.h"

namespace {
// Glyphs of the program's menu image list.
enum Glyph { RestoreGlyph = 0, MaximiseGlyph = 1, MinimiseGlyph = 2, CloseGlyph = 3 };

std::string ItemCaption(HMENU menu, UINT position) {
    wchar_t text[256] = {};
    GetMenuStringW(menu, position, text, 255, MF_BYPOSITION);
    return Narrow(text);
}

// What the window's state allows of the standard commands.
void ApplyWindowState(TMenuItem& item, UINT command, WindowState state, const FrameFlags& flags) {
    switch (command) {
    case SC_SIZE:
        item.SetEnabled(flags.Sizable && state == WindowState::Normal);
        break;
    case SC_MOVE:
        item.SetEnabled(state != WindowState::Maximised);
        break;
    case SC_MINIMIZE:
        item.ImageIndex = MinimiseGlyph;
        item.SetEnabled(state != WindowState::Minimised && flags.MinimiseBox);
        break;
    case SC_MAXIMIZE:
        item.ImageIndex = MaximiseGlyph;
        item.SetEnabled(state != WindowState::Maximised && flags.MaximiseBox);
        break;
    case SC_CLOSE:
        item.ImageIndex = CloseGlyph;
        break;
    case SC_RESTORE:
        item.ImageIndex = RestoreGlyph;
        item.SetEnabled(state != WindowState::Normal);
        break;
    }
}

std::unique_ptr<TMenuItem> ItemFrom(HMENU systemMenu, UINT position, HWND window, WindowState state,
                                    const FrameFlags& flags) {
    MENUITEMINFOW info = {sizeof info, MIIM_FTYPE | MIIM_ID | MIIM_STATE};
    GetMenuItemInfoW(systemMenu, position, TRUE, &info);
    bool separator = info.fType & MFT_SEPARATOR;
    auto item = std::make_unique<TMenuItem>(separator ? "-" : ItemCaption(systemMenu, position));
    if (separator) return item;
    UINT command = info.wID & 0xFFF0;
    item->Tag = int(info.wID);
    item->SetEnabled(!(info.fState & MFS_GRAYED));
    item->SetChecked(info.fState & MFS_CHECKED);
    ApplyWindowState(*item, command, state, flags);
    item->OnClick = [window](TObject* sender) {
        PostMessageW(window, WM_SYSCOMMAND, WPARAM(static_cast<TMenuItem*>(sender)->Tag), 0);
    };
    return item;
}
}  // namespace

std::unique_ptr<TPopupMenu> BuildSkinnedSystemMenu(HWND window, TSkinData& skin, WindowState state,
                                                   const FrameFlags& flags) {
    auto menu = std::make_unique<TPopupMenu>();
    menu->Tag = kSystemMenuTag;
    HMENU systemMenu = GetSystemMenu(window, FALSE);
    int count = systemMenu ? GetMenuItemCount(systemMenu) : 0;
    for (int position = 0; position < count; ++position)
        menu->Add(ItemFrom(systemMenu, UINT(position), window, state, flags));
    menu->Handle();
    AttachSkinHandlers(*menu, skin, MenuKind::PopupMenu, &SkinGdiOf(skin).MenuGlyphs());
    return menu;
}
