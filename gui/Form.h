#pragma once
#include <functional>
#include <string>
#include <vector>

#include "gui/Menus.h"
#include "gui/WinControl.h"

enum class TBorderStyle { Single, ToolWindow };
enum class TPosition { DesktopCenter, MainFormCenter };
enum class TCloseAction { None, Hide, Free };

using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;

// A top-level window of the program, owned by the application window.
class TForm : public TWinControl {
public:
    struct Args {
        const wchar_t* ClassName;  // the form's class, e.g. L"TForm1"
        std::string Caption;
        int ClientWidth = 0, ClientHeight = 0;
        TBorderStyle BorderStyle = TBorderStyle::Single;
        bool MinimizeBox = false;
        bool StayOnTop = false;
        TPosition Position = TPosition::DesktopCenter;
        TFont Font;
        bool OwnedByDesktop = false;  // a window of its own rather than one of the application's
    };
    explicit TForm(const Args& args);
    ~TForm() override;

    // The form of a window handle; null for windows that are not forms of ours.
    static TForm* FromHandle(HWND window);

    void Show();
    void Hide();
    // Shows the form with every other window of the program disabled, and
    // returns when it hides.
    void ShowModal();
    // Asks OnCloseQuery, then OnClose; a secondary form hides, the main form
    // ends the program.
    void Close();
    bool CloseQuery();
    bool IsMainForm() const;
    // Puts the menu bar on the form; the client area keeps its size.
    void SetMainMenu(TMainMenu& menu);
    TMainMenu* Menu() const { return FMenu; }
    // Popup menus that name this form as their owner, in creation order.
    std::vector<TPopupMenu*> PopupMenus() const { return TPopupMenu::OwnedBy(this); }
    bool Minimized() const { return IsIconic(Handle()); }
    void SetMinimized(bool minimized);
    void DoDestroy() { CallEvent(OnDestroy, this); }

    // OnShow comes just before a hidden form appears, OnHide once it is gone.
    TNotifyEvent OnCreate, OnDestroy, OnShow, OnHide;
    TCloseQueryEvent OnCloseQuery;
    TCloseEvent OnClose;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Called last by a form's constructor, once its controls exist.
    void Created() { CallEvent(OnCreate, this); }

private:
    void PlaceOnScreen();
    bool HandleMenuCommand(WPARAM wParam, LPARAM lParam);

    TPosition FPosition;
    bool FPlaced = false;
    HWND FFocused = nullptr;
    TMainMenu* FMenu = nullptr;
};
