#pragma once
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>
#include <set>
#include <string>

#include "base/Events.h"
#include "gui/Icon.h"
#include "gui/SharedInstance.h"
#include "gui/Subclass.h"
#include "gui/Timer.h"
#include "gui/UtilityWindow.h"
#include "tray/ClickTracker.h"

class TPopupMenu;
class TWinControl;
class TTrayIcon;

using TCycleEvent = std::function<void(TObject* Sender, int NextIndex)>;
using TStartupEvent = std::function<void(TObject* Sender, bool& ShowMainForm)>;

// The message the shell sends to the shared window about an icon.
const UINT TrayCallbackMessage = WM_USER + 0x400;

// The one hidden window that receives the shell's callbacks for every tray
// icon of the program, and the owner-draw messages of their menus. It lives
// while an icon exists, and survives close and end-of-session requests.
class TTrayIconHandler : public TUtilityWindow {
public:
    static HWND SharedWindow();  // null while no icon exists
    void Register(TTrayIcon* icon) { FIcons.insert(icon); }
    void Unregister(TTrayIcon* icon) { FIcons.erase(icon); }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::set<TTrayIcon*> FIcons;
};

// An icon in the notification area: clicks told apart by the double-click
// time, pointer enter and exit found by a 20 ms poll, a popup menu, balloon
// notices, and hiding the main form into the tray.
class TTrayIcon : public TObject {
public:
    // owner: the form that carries the icon (null for none).
    explicit TTrayIcon(TWinControl* owner);
    ~TTrayIcon() override;
    TTrayIcon(const TTrayIcon&) = delete;
    TTrayIcon& operator=(const TTrayIcon&) = delete;

    // Called once the owner has set the properties: starts what they ask for.
    void Loaded();

    TImageList* IconList() const { return FIconList; }
    void SetIconList(TImageList* list);
    bool CycleIcons() const { return FCycleIcons; }
    void SetCycleIcons(bool cycle);
    UINT CycleInterval() const { return FCycleInterval; }
    void SetCycleInterval(UINT interval);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& hint);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool show);
    TIcon& Icon() { return FIcon; }
    void SetIcon(HICON icon);
    bool IconVisible() const { return FIconVisible; }
    void SetIconVisible(bool visible);
    int IconIndex() const { return FIconIndex; }
    void SetIconIndex(int index);
    bool WantEnterExitEvents() const { return FWantEnterExitEvents; }
    void SetWantEnterExitEvents(bool want);
    int NotifyVersion() const { return FNotifyVersion; }
    void SetNotifyVersion(int version);

    // Design-time only: stored, without effect while the program runs.
    bool DesignPreview = false;
    bool Enabled = true;  // false: every mouse callback is ignored
    TPopupMenu* PopupMenu = nullptr;
    bool LeftPopup = false;
    bool MinimizeToTray = false;

    TNotifyEvent OnClick, OnDblClick;
    TMouseEvent OnMouseDown, OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter, OnMouseExit;
    TCycleEvent OnCycle;
    TNotifyEvent OnBalloonHintShow, OnBalloonHintHide, OnBalloonHintTimeout, OnBalloonHintClick;
    TNotifyEvent OnMinimizeToTray;
    TStartupEvent OnStartup;

    // IconKind: 0 none, 1 information, 2 warning, 3 error, 4 the icon's own.
    bool ShowBalloon(const std::string& title, const std::string& text, int iconKind, int timeoutSeconds);
    void HideBalloon();
    void RestoreMainWindow();
    void HideMainWindow();
    void HideTaskbarButton();
    void PopupMenuAt(int x, int y);
    void PopupMenuAtPointer();

    virtual bool AllowStockIcon() { return true; }
    virtual bool AddIcon();
    virtual bool RemoveIcon();
    virtual bool UpdateIcon();

    // What goes to the shell with the next request.
    const NOTIFYICONDATAW& IconData() const { return FIconData; }

protected:
    virtual void DoClick();
    virtual void DoDblClick();
    virtual void DoCycle();
    virtual void DoMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void DoMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void DoMouseMove(TShiftState shift, int x, int y);
    virtual void DoMouseEnter();
    virtual void DoMouseExit();
    virtual void DoTrayMinimize();

private:
    friend class TTrayIconHandler;
    void HandleCallback(UINT event);
    void HandleButtonEvent(UINT event, TShiftState shift, POINT at);
    bool PrepareIconData();
    bool Notify(DWORD request);
    void ClickTimerStep();
    void ExitTimerStep();
    void CycleTimerStep();
    bool ApplicationHook(UINT message, WPARAM wParam);
    // Watches the owner form for minimising and closing into the tray.
    class OwnerWatch : public TSubclass {
    public:
        explicit OwnerWatch(TTrayIcon& icon) : FIcon(icon) {}

    protected:
        LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    private:
        TTrayIcon& FIcon;
    };
    bool MinimizeCheck();
    bool HasMainForm() const;

    std::shared_ptr<TTrayIconHandler> FHandler = TSharedInstance<TTrayIconHandler>::Acquire();
    TWinControl* FOwner;
    OwnerWatch FOwnerWatch{*this};
    TImageList* FIconList = nullptr;
    bool FCycleIcons = false;
    UINT FCycleInterval = 0;
    std::string FHint;
    bool FShowHint = true;
    TIcon FIcon;
    bool FIconVisible = false;
    int FIconIndex = 0;
    bool FWantEnterExitEvents = false;
    int FNotifyVersion = 0;

    TClickTracker FClicks;
    std::unique_ptr<TWindowTimer> CycleTimer, ClickTimer, ExitTimer;
    POINT LastMovePoint = {};
    bool PointerOutside = true;
    bool MdiStartupPending = true;
    int FApplicationHook = 0;
    NOTIFYICONDATAW FIconData = {};
};
