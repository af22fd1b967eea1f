#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/Timer.h"
#include "skin/data/SkinData.h"
#include "skin/menu/MenuAnnouncements.h"

class TForm;
class TSkinFrame;
class TSkinMenuWindow;

// Deferred actions of the manager.
enum class TSkinAction { None = 0, SkinAll = 1, UnskinAll = 2, Refresh = 3, Purge = 6, Reskin = 7 };

// The one skin manager of the process: it watches window creation,
// activation and destruction through a CBT hook on the GUI thread, skins
// every top-level window of the program (a TSkinFrame each) and every popup
// menu window (a TSkinMenuWindow each), picks the skin data for each, and
// runs skin-all, unskin-all and refresh requests on a timer.
class TSkinManager {
public:
    enum TState { NotStarted = 0, Running = 1, Destroying = 4 };

    // The manager, when one exists.
    static TSkinManager* Instance();
    // The manager, made by the first skin data that finishes loading.
    static TSkinManager& Acquire();
    ~TSkinManager();
    TSkinManager(const TSkinManager&) = delete;
    TSkinManager& operator=(const TSkinManager&) = delete;

    void InstallHook();
    void RegisterSkinData(TSkinData& skin);
    // The last one to go ends the manager.
    void UnregisterSkinData(TSkinData& skin);

    bool SkinWindow(HWND window);
    void SkinForm(TForm& form);
    void SkinPopupMenu(HWND menuWindow);
    void RemovePopupMenu(HWND menuWindow);
    TSkinFrame* FindSkinForm(HWND window) const;
    TSkinMenuWindow* FindPopupMenu(HWND menuWindow) const;
    TSkinData* ChooseSkinData(HWND window, const std::string& className) const;
    bool AcceptWindow(HWND window, const std::string& className) const;
    void RequestAction(TSkinAction action, UINT delay, TSkinData* skin, HWND window = nullptr);

    TState State() const { return FState; }
    void Start() {
        if (FState == NotStarted) FState = Running;
    }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled) { FEnabled = enabled; }
    TSkinData* DefaultSkinData() const { return FDefaultSkinData; }
    const std::vector<std::unique_ptr<TSkinFrame>>& Frames() const { return FFrames; }

private:
    TSkinManager();
    static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
    void WindowCreated(HWND window, const CBT_CREATEWNDW& creation);
    void RunPendingAction();
    void RunOwnerAction(TSkinAction action, TSkinData& skin, TForm* owner);
    void RunAction(TSkinAction action, TSkinData& skin);
    void PurgeDeadFrames();
    void RestoreAndFree(TSkinFrame* frame);
    void RefreshFrames(TSkinData& skin, TForm* onlyForm);

    TState FState = NotStarted;
    HHOOK FHook = nullptr;
    TWindowTimer FActionTimer;
    std::vector<std::unique_ptr<TSkinFrame>> FFrames;
    std::vector<std::unique_ptr<TSkinMenuWindow>> FMenus;
    std::vector<std::unique_ptr<TSkinMenuWindow>> FRetiredMenus;
    std::vector<TSkinData*> FSkinDatas;
    TSkinData* FDefaultSkinData = nullptr;
    bool FEnabled = false;
    bool FBulk = false;
    TSkinAction FPendingAction = TSkinAction::None;
    TSkinData* FPendingSkinData = nullptr;
    HWND FPendingWindow = nullptr;
    // What the frames tell of the next popup menu window, for the hook.
    TMenuAnnouncements FMenuAnnouncements;
};
// The framework form that carries a skin data component, if any.
TForm* OwnerFormOf(const TSkinData& skin);
