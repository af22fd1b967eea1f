#include "skin/menu/SkinMenuWindow.h"

#include "base/win32/Handles.h"
#include "skin/draw/ElementDrawing.h"
#include "skin/draw/Offscreen.h"
#include "skin/manager/SkinManager.h"
#include "skin/manager/SkinMessages.h"
#include "skin/menu/MenuItemLayout.h"

namespace {
#ifndef MN_GETHMENU
const UINT MN_GETHMENU = 0x01E1;
#endif

RECT WindowBounds(HWND window) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    return bounds;
}

// Where the client area starts inside the window.
POINT ClientOrigin(HWND window) {
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    RECT bounds = WindowBounds(window);
    return {origin.x - bounds.left, origin.y - bounds.top};
}

// The menu paints nothing of its own background while this lives: the
// skin's picture lies under its items.
class TransparentMenuBackground {
public:
    explicit TransparentMenuBackground(HMENU menu) : FMenu(menu) {
        FInfo.cbSize = sizeof FInfo;
        FInfo.fMask = MIM_BACKGROUND;
        if (!FMenu || !GetMenuInfo(FMenu, &FInfo)) FMenu = nullptr;
        MENUINFO transparent = FInfo;
        transparent.hbrBack = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
        if (FMenu) SetMenuInfo(FMenu, &transparent);
    }
    ~TransparentMenuBackground() {
        if (FMenu) SetMenuInfo(FMenu, &FInfo);
    }

private:
    HMENU FMenu;
    MENUINFO FInfo = {};
};
}  // namespace

TSkinMenuWindow::TSkinMenuWindow(TSkinData& skin, bool menuBar) : FSkin(skin), FMenuBar(menuBar) {}

TSkinMenuWindow* TSkinMenuWindow::FromDC(HDC dc) {
    TSkinManager* manager = TSkinManager::Instance();
    HWND window = WindowFromDC(dc);
    return manager && window ? manager->FindPopupMenu(window) : nullptr;
}

bool TSkinMenuWindow::HasBackground(const TSkinData& skin) {
    const TSkinElement* background = skin.Element("MenuBackground");
    return !skin.SkinEmpty() && background && !background->Image.Empty();
}

int TSkinMenuWindow::StripRight(const TSkinData& skin) {
    if (!HasBackground(skin)) return 0;
    return MenuItemLeftWidth(skin.Element("MenuBackground")) - kMenuWindowFrame;
}

int TSkinMenuWindow::StripRight(const RECT& item) const {
    if (!HasBackground(FSkin)) return 0;
    return MenuItemLeftWidth(FSkin.Element("MenuBackground")) - ClientOrigin(Handle()).x - item.left;
}

void TSkinMenuWindow::ComposeBackground() {
    RECT bounds = WindowBounds(Handle());
    // The element's own margins keep the parts the skin does not want stretched.
    FBackground = ComposeElement(FSkin.Element("MenuBackground")->Picture(), 1, bounds.right - bounds.left,
                                 bounds.bottom - bounds.top);
}

// The background over the whole window, whatever part of it is non-client.
void TSkinMenuWindow::PaintBackground(HDC windowDC) {
    ComposeBackground();
    TOffscreen picture(FBackground.Width(), FBackground.Height());
    picture.Draw(FBackground, 0, 0);
    picture.CopyTo(windowDC, 0, 0);
}

// The background, then the items as the menu draws them, kept off the frame.
void TSkinMenuWindow::PaintClient(HDC dc) {
    ComposeBackground();
    POINT origin = ClientOrigin(Handle());
    TOffscreen picture(FBackground.Width(), FBackground.Height());
    picture.Draw(FBackground, 0, 0);
    BitBlt(dc, -origin.x, -origin.y, picture.Width(), picture.Height(), picture.DC(), 0, 0, SRCCOPY);
    TSavedDC saved(dc);
    IntersectClipRect(dc, kMenuWindowFrame - origin.x, kMenuWindowFrame - origin.y,
                      picture.Width() - kMenuWindowFrame - origin.x, picture.Height() - kMenuWindowFrame - origin.y);
    SetBkMode(dc, TRANSPARENT);
    TransparentMenuBackground transparent(reinterpret_cast<HMENU>(CallDefault(MN_GETHMENU, 0, 0)));
    CallDefault(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
}

LRESULT TSkinMenuWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == SkinMessage::Query) return 1;
    TSkinManager* manager = TSkinManager::Instance();
    if (!manager || !manager->Enabled() || !HasBackground(FSkin)) return CallDefault(message, wParam, lParam);
    switch (message) {
    case WM_ERASEBKGND:
        if (!FSkin.Options.test(soMenuBG)) CallDefault(message, wParam, lParam);
        return 1;
    case WM_NCPAINT: {
        TWindowDC dc(Handle(), TWindowDC::Whole);
        PaintBackground(dc.Get());
        return 0;
    }
    case WM_PAINT: {
        TPaintScope paint(Handle());
        PaintClient(paint.Get());
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintClient(reinterpret_cast<HDC>(wParam));
        return 0;
    }
    return CallDefault(message, wParam, lParam);
}
