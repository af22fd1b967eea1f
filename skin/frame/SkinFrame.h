#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "gui/Subclass.h"
#include "skin/data/SkinData.h"
#include "skin/frame/CaptionButtonRow.h"
#include "skin/frame/FrameInput.h"
#include "skin/frame/FramePainting.h"
#include "skin/frame/FrameWindow.h"
#include "skin/frame/SkinnerSet.h"
#include "skin/menu/MenuAnnouncements.h"

class TForm;
class TSkinMenuBar;
class TSkinControl;

// The skin's non-client area on one top-level window (a form of ours, a
// message box, a standard dialog): borders, caption with its buttons, the
// menu bar and the system menu drawn from the skin, its own hit testing and
// a window region cut from the transparent parts of the borders. This is
// its life: it lays itself over the window, finishes once the window's own
// creation is done, holds the skinners of the window's controls, and gives
// the window its native look back. Painting and input are its parts.
class TSkinFrame : public TSubclass {
public:
    enum TState { Attaching = 0, Skinned = 1, Destroying = 4, Resizing = 5, Dead = 6 };

    TSkinFrame(TMenuAnnouncements& menus, TSkinData& skin, TForm* form, std::string className);
    ~TSkinFrame() override;

    // Lays the frame over the window; message 13571, posted by the manager,
    // finishes the work once the window's own creation is done.
    void Attach(HWND window);
    // Gives the window its native look back; the window lives on.
    void Restore();
    // Reads the skin again (a new skin file) and repaints.
    void Refresh();
    void MarkDead() { SetState(Dead); }

    HWND Window() const { return Handle() ? Handle() : FWindow.Handle; }
    TForm* Form() const { return FForm; }
    TSkinData& Skin() const { return FWindow.Skin; }
    TState State() const { return FState; }
    bool Active() const { return FWindow.Active; }
    const FrameMetrics& Metrics() const { return FWindow.Metrics; }
    TSkinMenuBar* MenuBar() const { return FMenuBar.get(); }

    // The skinners of the window's controls, freed with the frame.
    void AddSkinner(std::unique_ptr<TSkinControl> skinner);
    bool HoldsSkinnerFor(HWND control) const { return FSkinners.HasOneFor(control); }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void WindowDestroyed() override;

private:
    void SetState(TState state);
    void Finish();
    void ResizeToKeepClientArea();
    void WidenDialogForCaption();
    void WalkControls();
    void ReadWindowState();
    void HideSystemMenuStyle();
    bool PrivateMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void KeepMaximisedOnWorkArea(MINMAXINFO& limits) const;
    LRESULT BareWindowColor(UINT message, WPARAM wParam, LPARAM lParam);
    bool SkinMenuItem(UINT message, LPARAM lParam);

    TMenuAnnouncements& FMenus;
    TForm* FForm;
    std::string FClassName;
    TState FState = Attaching;
    TFrameWindow FWindow;
    TCaptionButtonRow FButtons;
    TFramePainting FPainting;
    TFrameInput FInput;
    SIZE FNativeExtents = {};
    bool FSystemMenuStyleRemoved = false;
    COLORREF FFormColor = CLR_DEFAULT;
    HMENU FNativeMenu = nullptr;
    std::unique_ptr<TSkinMenuBar> FMenuBar;
    TSkinnerSet FSkinners;
};
