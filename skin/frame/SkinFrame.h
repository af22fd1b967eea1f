#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/win32/Handles.h"
#include "gui/Subclass.h"
#include "gui/Timer.h"
#include "skin/data/SkinData.h"
#include "skin/frame/CaptionLayout.h"
#include "skin/frame/FrameMetrics.h"
#include "skin/frame/FrameStyle.h"
#include "skin/frame/NCObject.h"
#include "skin/frame/SkinnerSet.h"

class TForm;
class TPopupMenu;
class TSkinManager;
class TSkinMenuBar;
class TCaptionButton;
class TOffscreen;
class TSkinControl;

// The skin's non-client area on one top-level window (a form of ours, a
// message box, a standard dialog): borders, caption with its buttons, the
// menu bar and the system menu drawn from the skin, its own hit testing and
// a window region cut from the transparent parts of the borders. The manager
// makes, attaches, restores and frees it.
class TSkinFrame : public TSubclass {
public:
    enum TState { Attaching = 0, Skinned = 1, Destroying = 4, Resizing = 5, Dead = 6 };

    TSkinFrame(TSkinManager& manager, TSkinData& skin, TForm* form, std::string className);
    ~TSkinFrame() override;

    // Lays the frame over the window; message 13571, posted by the manager,
    // finishes the work once the window's own creation is done.
    void Attach(HWND window);
    // Gives the window its native look back; the window lives on.
    void Restore();
    // Reads the skin again (a new skin file) and repaints.
    void Refresh();
    void MarkDead() { FState = Dead; }

    HWND Window() const { return Handle() ? Handle() : FWindow; }
    TForm* Form() const { return FForm; }
    TSkinData& Skin() const { return FSkin; }
    TSkinManager& Manager() const { return FManager; }
    const std::string& ClassName() const { return FClassName; }
    TState State() const { return FState; }
    bool Active() const { return FActive; }
    bool Drawn() const { return FDrawn; }
    const FrameFlags& Flags() const { return FFlags; }
    WindowState CurrentWindowState() const { return FWindowState; }
    const FrameMetrics& Metrics() const { return FMetrics; }
    TNCCurrentObject& CurrentObject() { return FCurrent; }
    TSkinMenuBar* MenuBar() const { return FMenuBar.get(); }

    // Repaints the whole frame, or only the caption.
    void PaintFrame();
    void PaintCaption();
    // Opens the skinned system menu at a screen point.
    void OpenSystemMenu(POINT screen);
    // The skinners of the window's controls, freed with the frame.
    void AddSkinner(std::unique_ptr<TSkinControl> skinner);
    bool HoldsSkinnerFor(HWND control) const { return FSkinners.HasOneFor(control); }

    // The window's small icon (or the program's), as the system-icon button shows it.
    const PixelBuffer& SmallIcon() const { return FSmallIcon; }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void WindowDestroyed() override;

private:
    void Finish();
    void ResizeToKeepClientArea();
    void WidenDialogForCaption();
    void TakeSmallIcon();
    void WalkControls();
    void BuildCaptionButtons();
    void ReadWindowState();
    CaptionButtonWindow ButtonWindow() const;
    CaptionLayout CurrentCaptionLayout(HDC measuring) const;
    void PaintInto(HDC windowDC);
    void PaintBorders(HDC windowDC, const FrameParts& parts);
    void PaintCaptionInto(HDC windowDC, const FrameParts& parts);
    void PaintMenuBar(HDC windowDC, const FrameParts& parts);
    void DrawCaptionText(TOffscreen& caption, const CaptionLayout& layout, int left);
    void UpdateRegion(bool force);
    void SetActive(bool active);
    void CaptionTimerTick();
    std::vector<TNCObject*> NonClientObjects() const;
    POINT WindowPoint(LPARAM screenPoint) const;
    bool NonClientMouse(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void RunCaptionButton(TCaptionButton& button);
    bool HandleSysCommand(WPARAM wParam, LPARAM lParam);
    LRESULT WithoutNativeCaption(const std::function<LRESULT()>& change);
    LRESULT CalcSize(WPARAM wParam, LPARAM lParam);
    LRESULT HitTest(WPARAM wParam, LPARAM lParam);
    LRESULT BareWindowColor(UINT message, WPARAM wParam, LPARAM lParam);
    bool SkinMenuItem(UINT message, LPARAM lParam);

    TSkinManager& FManager;
    TSkinData& FSkin;
    TForm* FForm;
    std::string FClassName;
    HWND FWindow = nullptr;
    TState FState = Attaching;
    bool FDrawn = false;
    FrameFlags FFlags;
    WindowState FWindowState = WindowState::Normal;
    bool FActive = false;
    FrameMetrics FMetrics;
    SIZE FNativeExtents = {};
    bool FSystemMenuStyleRemoved = false;
    COLORREF FFormColor = CLR_DEFAULT;
    HMENU FNativeMenu = nullptr;
    std::unique_ptr<TSkinMenuBar> FMenuBar;
    TNCCurrentObject FCurrent;
    std::vector<std::unique_ptr<TCaptionButton>> FCaptionButtons;
    TWindowTimer FCaptionTimer;
    SIZE FRegionSize = {-1, -1};
    PixelBuffer FSmallIcon;
    std::unique_ptr<TPopupMenu> FSystemMenu;
    TSkinnerSet FSkinners;
    DWORD FLastSystemMenuOpening = 0;
};
