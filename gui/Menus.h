#pragma once
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "base/Events.h"
#include "base/win32/Handles.h"

class TMenuItem;

// The items below a menu or a menu item, in order. Items a form declares
// belong to it and the list only points at them; items made at run time
// can be handed to the list to own.
class TMenuItemList {
public:
    TMenuItemList() = default;
    ~TMenuItemList();
    TMenuItemList(const TMenuItemList&) = delete;
    TMenuItemList& operator=(const TMenuItemList&) = delete;

    void Add(std::initializer_list<TMenuItem*> items);
    void Add(std::unique_ptr<TMenuItem> item);
    const std::vector<TMenuItem*>& Items() const { return FItems; }

private:
    std::vector<TMenuItem*> FItems;
    std::vector<std::unique_ptr<TMenuItem>> FOwnedItems;
};

// Owner drawing of one menu item: dc and rect as Win32 gives them, state the
// ODS_ bits (selected, grayed, checked...).
using TMenuDrawItemEvent = std::function<void(TObject* Sender, HDC dc, const RECT& rect, UINT state)>;
// Asks the size of an owner-drawn item; width and height come in as the
// framework's own measurement.
using TMenuMeasureItemEvent = std::function<void(TObject* Sender, HDC dc, int& width, int& height)>;

// A menu command, a separator (caption "-"), or an item with a submenu.
class TMenuItem : public TObject, public TMenuItemList {
public:
    explicit TMenuItem(std::string caption, bool checked = false);
    ~TMenuItem() override;
    TMenuItem(const TMenuItem&) = delete;
    TMenuItem& operator=(const TMenuItem&) = delete;

    const std::string& Caption() const { return FCaption; }
    bool IsSeparator() const { return FCaption == "-"; }
    bool Checked() const { return FChecked; }
    void SetChecked(bool checked);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    bool Default = false;
    int Tag = 0;
    int ImageIndex = -1;  // in the menu's image list; -1 for none
    UINT Command() const { return FCommand; }
    // The menu this item lies in, and the submenu it opens (null for none).
    HMENU Owner() const { return FOwner; }
    HMENU Submenu() const { return FSubmenu; }

    void Click() { CallEvent(OnClick, this); }

    TNotifyEvent OnClick;
    TMenuDrawItemEvent OnDrawItem;
    TMenuMeasureItemEvent OnMeasureItem;

    bool OwnerDraw() const { return FOwnerDraw; }
    // Switches this item and every item below it to owner drawing and back;
    // the caption comes back with the plain look.
    void SetOwnerDraw(bool ownerDraw);
    // What the framework measures and draws for an owner-drawn item that has
    // no handler of its own.
    void DefaultMeasure(HDC dc, int& width, int& height) const;
    void DefaultDraw(HDC dc, const RECT& rect, UINT state) const;

    // The item whose command id or submenu this is, if any.
    static TMenuItem* FromCommand(UINT command);
    static TMenuItem* FromSubmenu(HMENU submenu);
    // Hands a WM_MEASUREITEM or WM_DRAWITEM about a menu item to the item;
    // false when it is not an item of ours.
    static bool DispatchOwnerDraw(UINT message, LPARAM lParam);

private:
    friend class TMenu;
    void AppendTo(HMENU menu);
    void ApplyType();

    std::string FCaption;
    bool FChecked;
    bool FEnabled = true;
    bool FOwnerDraw = false;
    UINT FCommand;
    HMENU FOwner = nullptr;
    HMENU FSubmenu = nullptr;  // goes with the menu that holds it
};

class TMenu : public TObject, public TMenuItemList {
public:
    int Tag = 0;

    bool OwnerDraw() const { return FOwnerDraw; }
    void SetOwnerDraw(bool ownerDraw);

protected:
    HMENU Build(HMENU menu);

private:
    bool FOwnerDraw = false;
};

// The menu bar of a form.
class TMainMenu : public TMenu {
public:
    HMENU Handle();

private:
    HMENU FHandle = nullptr;  // goes with the window that shows it
};

// A context menu that opens at a screen point. A form that owns one lists it.
class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(const TObject* owner = nullptr);
    ~TPopupMenu() override;

    bool AutoPopup = true;
    TObject* PopupComponent = nullptr;
    TNotifyEvent OnPopup;
    HMENU Handle();
    // The live popup menus that name owner, in creation order.
    static std::vector<TPopupMenu*> OwnedBy(const TObject* owner);

    // Tracks the menu until it closes and then runs the chosen command.
    // owner is the window that gets the menu's messages.
    void Popup(int x, int y, HWND owner);

private:
    const TObject* FOwner;
    TMenuHandle FHandle;
};

// The system's menu font, as menus draw their items.
HFONT MenuFont();
// The width and height of an item's text (without "&") in the menu font,
// its shortcut text after a tab set apart.
SIZE MenuTextExtent(HDC dc, const std::wstring& text);
