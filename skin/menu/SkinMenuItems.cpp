#include "skin/menu/SkinMenuItems.h"

#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "base/win32/Win32Text.h"
#include "gui/Menus.h"
#include "skin/data/SkinGdi.h"
#include "skin/draw/ElementDrawing.h"
#include "skin/draw/Offscreen.h"
#include "skin/menu/MenuBarKeys.h"
#include "skin/menu/SkinMenuWindow.h"

namespace {
constexpr int kGlyph = TSkinGdi::kGlyphSize;
constexpr Pixel kWhite = 0xFFFFFF;
const int kHighlightedState = 4, kNormalState = 1, kSeparatorState = 2;

// What the skin set on each framework item: true when it set the measure
// handler too, which an item's own measure handler keeps it from doing.
std::map<TMenuItem*, bool>& SkinnedItems() {
    static std::map<TMenuItem*, bool> items;
    return items;
}

struct ItemLook {
    std::wstring Caption;  // a tab separates the shortcut text
    bool Separator = false, Checked = false, Enabled = true;
    int ImageIndex = -1;
};

ItemLook LookOf(const TMenuItem& item) {
    return {Widen(item.Caption()), item.IsSeparator(), item.Checked(), item.Enabled(), item.ImageIndex};
}


// What the menu window shows under the item, or the skin's menu colour.
void DrawItemBackground(TOffscreen& item, TSkinData& skin, const TSkinMenuWindow* window, const RECT& rect) {
    if (!window || window->Background().Empty()) {
        item.Fill(ToColorRef(skin.Colours.Menu));
        return;
    }
    POINT origin = {0, 0};
    ClientToScreen(window->Handle(), &origin);
    RECT bounds;
    GetWindowRect(window->Handle(), &bounds);
    item.Draw(window->Background(), -(rect.left + origin.x - bounds.left), -(rect.top + origin.y - bounds.top));
}

// The lower half of the item image's second state, its ends kept.
void DrawSeparator(TOffscreen& item, const TSkinElement& element) {
    ElementPicture picture = element.Picture();
    Rect cell = FrameCell(picture, kSeparatorState);
    PixelBuffer lower = element.Image.Crop({cell.Left, cell.Top + cell.Height / 2, cell.Width, cell.Height - cell.Height / 2});
    ElementPicture half{&lower, element.LeftWidth, 0, element.RightWidth, 0, false, 1, StateLayout::SideBySide, true};
    DrawElement(item, {0, (item.Height() - lower.Height()) / 2, item.Width(), lower.Height()}, half, 1);
}

PixelBuffer Glyph(const PixelBuffer& images, int index, bool enabled, Pixel grayed) {
    PixelBuffer glyph = images.Crop({index * kGlyph, 0, kGlyph, kGlyph});
    for (int y = 0; y < glyph.Height(); ++y)
        for (int x = 0; x < glyph.Width(); ++x) {
            Pixel pixel = glyph.At(x, y);
            glyph.Set(x, y, pixel == kWhite ? kMagenta : enabled ? pixel : grayed);
        }
    return glyph;
}

void DrawCheckerSquare(TOffscreen& item, Rect square, const TSkinData& skin) {
    PixelBuffer checker(square.Width, square.Height);
    Pixel face = PixelFromColor(skin.Colours.ButtonFace), light = PixelFromColor(skin.Colours.ButtonHilight);
    for (int y = 0; y < checker.Height(); ++y)
        for (int x = 0; x < checker.Width(); ++x) checker.Set(x, y, (x + y) % 2 ? face : light);
    item.Draw(checker, square.Left, square.Top);
    RECT edge = ToRECT(square);
    DrawEdge(item.DC(), &edge, BDR_SUNKENOUTER, BF_RECT);
}

void DrawCheckMark(HDC dc, Rect square, COLORREF colour) {
    TGdiObject<HPEN> pen(CreatePen(PS_SOLID, 2, colour));
    TSelection selected(dc, pen.Get());
    int x = square.Left + square.Width / 2 - 4, y = square.Top + square.Height / 2;
    POINT mark[] = {{x, y}, {x + 3, y + 3}, {x + 8, y - 3}};
    Polyline(dc, mark, 3);
}

void DrawContent(TOffscreen& item, TSkinData& skin, const ItemLook& look, const PixelBuffer* images,
                 int stripRight) {
    const TSkinElement* element = skin.Element("MenuItem");
    bool hasImage = images && look.ImageIndex >= 0 && (look.ImageIndex + 1) * kGlyph <= images->Width();
    MenuItemGeometry geometry =
        LayoutMenuItem({0, 0, item.Width(), item.Height()}, MenuItemLeftWidth(element), images ? kGlyph : 0,
                       look.Checked, false, stripRight);
    COLORREF text = ToColorRef(look.Enabled ? skin.Colours.MenuText : skin.Colours.ButtonShadow);
    if (hasImage) {
        if (look.Checked) DrawCheckerSquare(item, geometry.Glyph, skin);
        PixelBuffer glyph = Glyph(*images, look.ImageIndex, look.Enabled, PixelFromColor(skin.Colours.ButtonShadow));
        DrawElement(item,
                    {geometry.Glyph.Left + (geometry.Glyph.Width - kGlyph) / 2,
                     geometry.Glyph.Top + (geometry.Glyph.Height - kGlyph) / 2, kGlyph, kGlyph},
                    KeyedPicture(glyph), 1);
    } else if (look.Checked) {
        DrawCheckMark(item.DC(), geometry.Glyph, text);
    }
    HDC dc = item.DC();
    TSelection font(dc, MenuFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text);
    size_t tab = look.Caption.find(L'\t');
    std::wstring caption = look.Caption.substr(0, tab);
    RECT captionBox = ToRECT(geometry.CaptionRect);
    DrawTextW(dc, caption.c_str(), int(caption.size()), &captionBox, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS);
    if (tab == std::wstring::npos) return;
    std::wstring shortcut = look.Caption.substr(tab + 1);
    RECT shortcutBox = ToRECT(geometry.ShortcutRect);
    DrawTextW(dc, shortcut.c_str(), int(shortcut.size()), &shortcutBox, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
}

// Composed off-screen and copied in one piece.
void DrawSkinnedItem(TSkinData& skin, HDC dc, const RECT& rect, UINT state, const ItemLook& look,
                     const PixelBuffer* images) {
    const TSkinElement* element = skin.Element("MenuItem");
    TOffscreen item(rect.right - rect.left, rect.bottom - rect.top);
    const TSkinMenuWindow* window = TSkinMenuWindow::FromDC(dc);
    DrawItemBackground(item, skin, window, rect);
    if (look.Separator) {
        DrawSeparator(item, *element);
    } else {
        int frame = state & ODS_SELECTED ? kHighlightedState : kNormalState;
        DrawElement(item, {0, 0, item.Width(), item.Height()}, element->Picture(), frame);
        DrawContent(item, skin, look, images, window ? window->StripRight(rect) : 0);
    }
    item.CopyTo(dc, rect.left, rect.top);
}

bool HasItemElement(const TSkinData& skin) {
    const TSkinElement* element = skin.Element("MenuItem");
    return !skin.SkinEmpty() && element && !element->Image.Empty();
}

void AttachToItem(TMenuItem& item, TSkinData& skin, MenuKind kind, const PixelBuffer* images) {
    bool measure = !item.OnMeasureItem;
    SkinnedItems()[&item] = measure;
    item.OnDrawItem = [&skin, &item, images](TObject*, HDC dc, const RECT& rect, UINT state) {
        if (HasItemElement(skin))
            DrawSkinnedItem(skin, dc, rect, state, LookOf(item), images);
        else
            item.DefaultDraw(dc, rect, state);
    };
    if (measure)
        item.OnMeasureItem = [&skin, &item, kind, images](TObject*, HDC, int& width, int& height) {
            Size size = MeasureMenuItem({kind, width, height, images != nullptr, item.IsSeparator(),
                                         TSkinMenuWindow::StripRight(skin)},
                                        skin.Element("MenuItem"));
            width = size.Width;
            height = size.Height;
        };
    for (TMenuItem* child : item.Items()) AttachToItem(*child, skin, kind, images);
}

void DetachFromItem(TMenuItem& item) {
    auto found = SkinnedItems().find(&item);
    if (found != SkinnedItems().end()) {
        item.OnDrawItem = nullptr;
        if (found->second) item.OnMeasureItem = nullptr;
        SkinnedItems().erase(found);
    }
    for (TMenuItem* child : item.Items()) DetachFromItem(*child);
}

// The items of the system's menu open now, by the item data they carry.
struct SystemsItem {
    std::wstring Caption;
    bool Separator;
};
std::vector<SystemsItem>& SystemsItems() {
    static std::vector<SystemsItem> items;
    return items;
}
// Item data of the system's items: a mark in the high word, the index below.
constexpr ULONG_PTR kSystemsItemMark = 0x41A20000;

const SystemsItem* SystemsItemOf(ULONG_PTR itemData) {
    size_t index = itemData & 0xFFFF;
    if ((itemData & ~ULONG_PTR(0xFFFF)) != kSystemsItemMark || index >= SystemsItems().size()) return nullptr;
    return &SystemsItems()[index];
}

TMenuItem* FrameworkItem(ULONG_PTR itemData, UINT command) {
    TMenuItem* item = TMenuItem::FromCommand(command);
    return item && reinterpret_cast<ULONG_PTR>(item) == itemData ? item : nullptr;
}
}  // namespace

void AttachSkinHandlers(TMenu& menu, TSkinData& skin, MenuKind kind, const PixelBuffer* images) {
    for (TMenuItem* item : menu.Items()) AttachToItem(*item, skin, kind, images);
    menu.SetOwnerDraw(true);
}

void DetachSkinHandlers(TMenu& menu) {
    for (TMenuItem* item : menu.Items()) DetachFromItem(*item);
    menu.SetOwnerDraw(false);
}

bool MeasureNativeMenuItem(TSkinData& skin, MEASUREITEMSTRUCT& measure) {
    TMenuItem* item = FrameworkItem(measure.itemData, measure.itemID);
    if (!item || !HasItemElement(skin) || SkinnedItems().count(item)) return false;
    TWindowDC screen(nullptr);
    TSelection font(screen.Get(), MenuFont());
    std::wstring caption = Widen(item->Caption());
    SIZE extent = {};
    GetTextExtentPoint32W(screen.Get(), caption.c_str(), int(caption.size()), &extent);
    Size size = MeasureMenuItem({MenuKind::NativeMenu, int(extent.cx), int(measure.itemHeight), false,
                                 item->IsSeparator(), TSkinMenuWindow::StripRight(skin)},
                                skin.Element("MenuItem"));
    measure.itemWidth = UINT(size.Width);
    measure.itemHeight = UINT(size.Height);
    return true;
}

bool DrawNativeMenuItem(TSkinData& skin, DRAWITEMSTRUCT& draw) {
    TMenuItem* item = FrameworkItem(draw.itemData, draw.itemID);
    if (!item || !HasItemElement(skin) || SkinnedItems().count(item)) return false;
    ItemLook look = LookOf(*item);
    look.Enabled = !(draw.itemState & (ODS_GRAYED | ODS_DISABLED));
    look.Checked = draw.itemState & ODS_CHECKED;
    DrawSkinnedItem(skin, draw.hDC, draw.rcItem, draw.itemState, look, nullptr);
    return true;
}

void OwnerDrawSystemsMenu(TSkinData& skin, HMENU menu) {
    int count = GetMenuItemCount(menu);
    if (!HasItemElement(skin) || count <= 0 || count > 0xFFFF) return;
    std::vector<SystemsItem> items;
    std::vector<UINT> types;
    for (int position = 0; position < count; ++position) {
        wchar_t text[256] = {};
        MENUITEMINFOW info = {sizeof info, MIIM_FTYPE | MIIM_ID | MIIM_STRING};
        info.dwTypeData = text;
        info.cch = 255;
        // Owner-drawn items, and the framework's, are someone else's.
        if (!GetMenuItemInfoW(menu, UINT(position), TRUE, &info) || (info.fType & MFT_OWNERDRAW) ||
            TMenuItem::FromCommand(info.wID))
            return;
        items.push_back({text, (info.fType & MFT_SEPARATOR) != 0});
        types.push_back(info.fType);
    }
    SystemsItems() = std::move(items);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW drawn = {sizeof drawn, MIIM_FTYPE | MIIM_DATA};
        drawn.fType = types[size_t(position)] | MFT_OWNERDRAW;
        drawn.dwItemData = kSystemsItemMark | ULONG_PTR(position);
        SetMenuItemInfoW(menu, UINT(position), TRUE, &drawn);
    }
}

bool MeasureSystemsMenuItem(TSkinData& skin, MEASUREITEMSTRUCT& measure) {
    const SystemsItem* item = SystemsItemOf(measure.itemData);
    if (!item || !HasItemElement(skin)) return false;
    TWindowDC screen(nullptr);
    std::wstring plain = item->Caption;
    std::erase(plain, L'&');
    SIZE extent = MenuTextExtent(screen.Get(), plain);
    int height = std::max<int>(extent.cy, GetSystemMetrics(SM_CYMENU) - 4);
    Size size = MeasureMenuItem({MenuKind::NativeMenu, int(extent.cx), height, false, item->Separator,
                                 TSkinMenuWindow::StripRight(skin)},
                                skin.Element("MenuItem"));
    measure.itemWidth = UINT(size.Width);
    measure.itemHeight = UINT(size.Height);
    return true;
}

bool DrawSystemsMenuItem(TSkinData& skin, DRAWITEMSTRUCT& draw) {
    const SystemsItem* item = SystemsItemOf(draw.itemData);
    if (!item || !HasItemElement(skin)) return false;
    ItemLook look{item->Caption, item->Separator, (draw.itemState & ODS_CHECKED) != 0,
                  !(draw.itemState & (ODS_GRAYED | ODS_DISABLED))};
    DrawSkinnedItem(skin, draw.hDC, draw.rcItem, draw.itemState, look, nullptr);
    return true;
}

LRESULT ChooseByAccelerator(HMENU menu, wchar_t typed) {
    int count = GetMenuItemCount(menu);
    if (typed >= 0x80 || count <= 0) return 0;
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW info = {sizeof info, MIIM_ID | MIIM_SUBMENU};
        if (!GetMenuItemInfoW(menu, UINT(position), TRUE, &info)) continue;
        TMenuItem* item = info.hSubMenu ? TMenuItem::FromSubmenu(info.hSubMenu) : TMenuItem::FromCommand(info.wID);
        if (item && item->Enabled() && MenuAccelerator(item->Caption()) == char(std::toupper(typed)))
            return MAKELRESULT(position, MNC_EXECUTE);
    }
    return 0;
}
