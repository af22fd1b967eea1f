#include "skin/data/Win32SkinHost.h"

#include <windows.h>

#include "base/win32/Files.h"
#include "base/win32/User32Extras.h"
#include "base/win32/Win32Text.h"
#include "gui/Form.h"
#include "skin/data/ProgramResource.h"
#include "skin/data/SkinGdi.h"
#include "skin/manager/SkinManager.h"

TColor TWin32SkinHost::SystemColor(SystemColour which) const { return TColor(GetSysColor(int(which))); }

int TWin32SkinHost::ScrollArrowWidth() const { return GetSystemMetrics(SM_CXVSCROLL); }

std::vector<uint8_t> TWin32SkinHost::ProgramBitmap(std::string_view name) const {
    return ProgramResource(Widen(name).c_str(), RT_BITMAP);
}

void TWin32SkinHost::ShowMessage(const std::string& text) const {
    MessageBoxW(nullptr, Widen(text).c_str(), L"Quorvik", MB_OK | MB_ICONWARNING);
}

namespace {
const UINT kSkinActionDelay = 250;
}

void TWin32SkinHost::SkinDataLoaded(TSkinData& skin) const {
    TSkinManager& manager = TSkinManager::Acquire();
    manager.RegisterSkinData(skin);
    SkinGdiOf(skin);
    // Memo scroll bars are skinned from what the system says of them.
    if (!User32Extras().GetScrollBarInfo) skin.SkinControls.reset(scScrollbar);
    if (skin.SkinFormtype == sfMainform) {
        manager.InstallHook();
        if (skin.Active()) manager.RequestAction(TSkinAction::SkinAll, kSkinActionDelay, &skin);
        return;
    }
    manager.SetEnabled(true);
    TForm* owner = OwnerFormOf(skin);
    if (owner && skin.Active()) manager.SkinWindow(owner->Handle());
}

void TWin32SkinHost::SkinDataActivated(TSkinData& skin, bool active) const {
    TSkinManager* manager = TSkinManager::Instance();
    if (!manager || (skin.SkinFormtype != sfMainform && skin.SkinFormtype != sfOnlyThisForm)) return;
    if (!active) {
        manager->RequestAction(TSkinAction::UnskinAll, kSkinActionDelay, &skin);
        return;
    }
    if (skin.SkinEmpty()) return;
    manager->SetEnabled(true);
    manager->RequestAction(TSkinAction::SkinAll, kSkinActionDelay, &skin);
}

void TWin32SkinHost::SkinDataReloaded(TSkinData& skin) const {
    if (TSkinManager* manager = TSkinManager::Instance())
        manager->RequestAction(TSkinAction::Refresh, kSkinActionDelay, &skin);
}

void TWin32SkinHost::SkinDataDestroyed(TSkinData& skin) const {
    if (TSkinManager* manager = TSkinManager::Instance()) manager->UnregisterSkinData(skin);
}

std::optional<std::vector<uint8_t>> TWin32SkinHost::ReadFile(const std::string& path, uint64_t maxBytes) const {
    return ReadWholeFile(path, maxBytes);
}

const TSkinHost& SystemSkinHost() {
    static const TWin32SkinHost host;
    return host;
}
