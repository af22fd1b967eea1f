#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "gui/Events.h"

// A menu command, or a top-level item with a submenu. Items belong to the
// form that declares them; a menu only points at them.
class TMenuItem : public TObject {
public:
    explicit TMenuItem(std::string caption, bool checked = false);
    ~TMenuItem() override;
    TMenuItem(const TMenuItem&) = delete;
    TMenuItem& operator=(const TMenuItem&) = delete;

    const std::string& Caption() const { return FCaption; }
    bool Checked() const { return FChecked; }
    void SetChecked(bool checked);
    bool Default = false;

    void Add(std::initializer_list<TMenuItem*> items);
    const std::vector<TMenuItem*>& Items() const { return FItems; }
    void Click() { CallEvent(OnClick, this); }

    TNotifyEvent OnClick;

    // The item whose command id or submenu this is, if any.
    static TMenuItem* FromCommand(UINT command);
    static TMenuItem* FromSubmenu(HMENU submenu);

private:
    friend class TMenu;
    void AppendTo(HMENU menu);

    std::string FCaption;
    bool FChecked;
    UINT FCommand;
    HMENU FOwner = nullptr;
    HMENU FSubmenu = nullptr;
    std::vector<TMenuItem*> FItems;
};

class TMenu : public TObject {
public:
    void Add(std::initializer_list<TMenuItem*> items);
    const std::vector<TMenuItem*>& Items() const { return FItems; }

protected:
    HMENU Build(HMENU menu);

private:
    std::vector<TMenuItem*> FItems;
};

// The menu bar of a form.
class TMainMenu : public TMenu {
public:
    HMENU Handle();

private:
    HMENU FHandle = nullptr;
};

// A context menu that opens at a screen point.
class TPopupMenu : public TMenu {
public:
    ~TPopupMenu() override;

    bool AutoPopup = true;
    TObject* PopupComponent = nullptr;
    TNotifyEvent OnPopup;

    // Tracks the menu until it closes and then runs the chosen command.
    // owner is the window that gets the menu's messages.
    void Popup(int x, int y, HWND owner);

private:
    HMENU FHandle = nullptr;
};
