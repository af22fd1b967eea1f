#include "skin/manager/SkinManager.h"

#include <algorithm>

#include "base/win32/User32Extras.h"
#include "base/win32/WindowClassName.h"
#include "gui/Application.h"
#include "gui/Form.h"
#include "skin/data/TextCase.h"
#include "skin/frame/SkinFrame.h"
#include "skin/manager/SkinMessages.h"
#include "skin/menu/SkinMenuItems.h"
#include "skin/menu/SkinMenuWindow.h"

namespace {
// A form with this Tag is never skinned, whatever its skin data says.
const int kUnskinnedFormTag = 99;
const UINT kActionTimerStart = 100;
// Dialog boxes of this style are the system's own shell windows.
const LONG kShellDialogStyle = 0x200;

std::unique_ptr<TSkinManager>& TheManager() {
    static std::unique_ptr<TSkinManager> manager;
    return manager;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

bool AnswersSkinQuery(HWND window) { return SendMessageW(window, SkinMessage::Query, 0, 0) == 1; }
}  // namespace

TForm* OwnerFormOf(const TSkinData& skin) { return dynamic_cast<TForm*>(skin.Owner()); }

TSkinManager* TSkinManager::Instance() { return TheManager().get(); }

TSkinManager& TSkinManager::Acquire() {
    if (!TheManager()) TheManager().reset(new TSkinManager());
    return *TheManager();
}

TSkinManager::TSkinManager() : FActionTimer(kActionTimerStart, nullptr) {
    FActionTimer.SetOnTimer([this](TObject*) { RunPendingAction(); });
    // A window that does not answer for a while keeps its skinned frame.
    if (User32Extras().DisableProcessWindowsGhosting) User32Extras().DisableProcessWindowsGhosting();
}

TSkinManager::~TSkinManager() {
    FState = Destroying;
    FActionTimer.SetEnabled(false);
    for (auto& menu : FMenus) menu->Detach();
    FMenus.clear();
    for (auto& frame : FFrames)
        if (frame->State() != TSkinFrame::Dead) frame->Restore();
    FFrames.clear();
    if (FHook) UnhookWindowsHookEx(FHook);
}

void TSkinManager::InstallHook() {
    if (!FHook) FHook = SetWindowsHookExW(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
}

void TSkinManager::RegisterSkinData(TSkinData& skin) {
    if (std::find(FSkinDatas.begin(), FSkinDatas.end(), &skin) != FSkinDatas.end()) return;
    FSkinDatas.push_back(&skin);
    if (!FDefaultSkinData && skin.SkinFormtype == sfMainform) FDefaultSkinData = &skin;
}

void TSkinManager::UnregisterSkinData(TSkinData& skin) {
    std::erase(FSkinDatas, &skin);
    if (FDefaultSkinData == &skin) FDefaultSkinData = nullptr;
    if (FPendingSkinData == &skin) FPendingSkinData = nullptr;
    // Frames drawn with it go native again before it goes.
    for (auto& frame : FFrames)
        if (&frame->Skin() == &skin) RestoreAndFree(frame.get());
    PurgeDeadFrames();
    if (FSkinDatas.empty()) TheManager().reset();
}

// Every call is passed on, whatever happens here.
LRESULT CALLBACK TSkinManager::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    TSkinManager* manager = Instance();
    if (manager && code >= 0) {
        HWND window = reinterpret_cast<HWND>(wParam);
        RunGuarded([&] {
            switch (code) {
            case HCBT_CREATEWND:
                manager->WindowCreated(window, *reinterpret_cast<CBT_CREATEWNDW*>(lParam));
                break;
            case HCBT_DESTROYWND:
                manager->RemovePopupMenu(window);
                break;
            case HCBT_ACTIVATE:
                manager->Start();
                manager->SkinWindow(window);
                break;
            }
        });
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void TSkinManager::WindowCreated(HWND window, const CBT_CREATEWNDW& creation) {
    std::string className = WindowClassName(window);
    LONG style = creation.lpcs->style;
    if (className != "#32768" || (style & WS_CHILD)) return;
    SkinPopupMenu(window);
    // The system's own menus (an edit box's context menu) are drawn as the
    // program's by their skinned owner. The window is made with its menu.
    TSkinMenuWindow* skinned = FindPopupMenu(window);
    auto* menu = static_cast<HMENU>(creation.lpcs->lpCreateParams);
    if (skinned && menu && IsMenu(menu) && AnswersSkinQuery(creation.lpcs->hwndParent))
        OwnerDrawSystemsMenu(skinned->Skin(), menu);
}

bool TSkinManager::SkinWindow(HWND window) {
    if (!FEnabled || FState == Destroying) return false;
    PurgeDeadFrames();
    if (AnswersSkinQuery(window) || FindSkinForm(window)) return false;
    TForm* form = TForm::FromHandle(window);
    std::string className = WindowClassName(window);
    bool ours = form || reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)) ==
                            GetModuleHandleW(nullptr);
    if (!ours && className != "#32770") return false;
    RECT bounds;
    GetWindowRect(window, &bounds);
    if (IsRectEmpty(&bounds)) return false;
    if (form && form->Tag == kUnskinnedFormTag) return false;
    if (Contains(className, "TcxPopupEditPopupWindow") || className == "TApplication") return false;
    if (!AcceptWindow(window, className)) return false;
    TSkinData* skin = ChooseSkinData(window, className);
    if (!skin || skin->SkinEmpty()) return false;

    Start();
    auto frame = std::make_unique<TSkinFrame>(FMenuAnnouncements, *skin, form, className);
    TSkinFrame* attached = frame.get();
    FFrames.push_back(std::move(frame));
    attached->Attach(window);
    PostMessageW(window, SkinMessage::FinishSkinning, 0, SkinMessage::FinishMarker);
    return true;
}

void TSkinManager::SkinForm(TForm& form) {
    if (form.Visible() && !(GetWindowLongW(form.Handle(), GWL_STYLE) & WS_CHILD)) SkinWindow(form.Handle());
}

bool TSkinManager::AcceptWindow(HWND window, const std::string& className) const {
    if (!FDefaultSkinData) return true;
    const TSkinData& skin = *FDefaultSkinData;
    if (!skin.Options.test(soPreview) && Contains(LowerCaseGbk(className), "preview")) return false;
    if (className == "#32770" && (GetWindowLongW(window, GWL_STYLE) & kShellDialogStyle)) return false;
    if (skin.OnFormSkin) {
        bool doSkin = true;
        CallEvent(skin.OnFormSkin, const_cast<TSkinData*>(&skin), className, doSkin);
        return doSkin;
    }
    if (className == "SysMonthCal32") return false;
    return !(skin.SkinControls.test(scFastReport) && className.starts_with("Tfr"));
}

TSkinData* TSkinManager::ChooseSkinData(HWND window, const std::string& className) const {
    auto lastWhere = [&](auto matches) -> TSkinData* {
        TSkinData* found = nullptr;
        for (TSkinData* skin : FSkinDatas)
            if (matches(*skin)) found = skin;
        return found;
    };
    if (TSkinData* own = lastWhere([&](const TSkinData& skin) {
            TForm* owner = OwnerFormOf(skin);
            return skin.SkinFormtype == sfOnlyThisForm && owner && owner->Handle() == window;
        }))
        return own;
    std::string lower = LowerCaseGbk(className);
    if (lower == "tmessageform" || lower == "#32770")
        if (TSkinData* dialog = lastWhere([](const TSkinData& skin) { return skin.SkinFormtype == sfDialog; }))
            return dialog;
    if (TSkinData* main = lastWhere([](const TSkinData& skin) { return skin.SkinFormtype == sfMainform; }))
        return main;
    return FSkinDatas.empty() ? nullptr : FSkinDatas.front();
}

void TSkinManager::SkinPopupMenu(HWND menuWindow) {
    FRetiredMenus.clear();
    if (!FEnabled || AnswersSkinQuery(menuWindow) || FindPopupMenu(menuWindow)) return;
    TSkinData* skin = ChooseSkinData(menuWindow, "#32768");
    if (!skin || skin->SkinEmpty()) return;
    const TSkinControls& kinds = skin->SkinControls;
    TMenuKind kind = FMenuAnnouncements.NextKind();
    bool wanted = kind == TMenuKind::Popup     ? kinds.test(scPopupMenu)
                  : kind == TMenuKind::MenuBar ? kinds.test(scMainMenu) || kinds.test(scMenuItem)
                                               : kinds.test(scSystemMenu);
    if (!wanted) return;
    auto menu = std::make_unique<TSkinMenuWindow>(*skin, FMenuAnnouncements.MenuBarTracking());
    if (menu->Attach(menuWindow)) FMenus.push_back(std::move(menu));
}

void TSkinManager::RemovePopupMenu(HWND menuWindow) {
    auto found = std::find_if(FMenus.begin(), FMenus.end(), [&](auto& menu) { return menu->Handle() == menuWindow; });
    if (found == FMenus.end()) return;
    // Off the window now; freed later, as this may run inside its own message.
    (*found)->Detach();
    FRetiredMenus.push_back(std::move(*found));
    FMenus.erase(found);
    if (FMenus.empty()) FMenuAnnouncements.AllMenusClosed();
}

TSkinFrame* TSkinManager::FindSkinForm(HWND window) const {
    for (const auto& frame : FFrames)
        if (frame->State() != TSkinFrame::Dead && frame->Window() == window) return frame.get();
    return nullptr;
}

TSkinMenuWindow* TSkinManager::FindPopupMenu(HWND menuWindow) const {
    for (const auto& menu : FMenus)
        if (menu->Handle() == menuWindow) return menu.get();
    return nullptr;
}

void TSkinManager::RequestAction(TSkinAction action, UINT delay, TSkinData* skin, HWND window) {
    if (FState != Running) {
        if (action == TSkinAction::SkinAll) FEnabled = true;
        if (action == TSkinAction::UnskinAll) FEnabled = false;
        return;
    }
    FPendingAction = action;
    FPendingSkinData = skin;
    FPendingWindow = window;
    FActionTimer.SetInterval(std::max<UINT>(delay, 1));
    FActionTimer.SetEnabled(true);
}

// A menu's loop runs inside a frame (its menu bar, its system menu), which
// must outlive it: the menus close first, and the action runs on a later
// tick.
void TSkinManager::RunPendingAction() {
    bool menuOpen = std::any_of(FMenus.begin(), FMenus.end(), [](auto& menu) { return IsWindowVisible(menu->Handle()); });
    if (FPendingSkinData && (menuOpen || FMenuAnnouncements.MenuBarTracking())) {
        EndMenu();
        return;
    }
    FActionTimer.SetEnabled(false);
    TSkinData* skin = std::exchange(FPendingSkinData, nullptr);
    TSkinAction action = std::exchange(FPendingAction, TSkinAction::None);
    if (!skin) return;
    if (skin->SkinFormtype == sfOnlyThisForm)
        RunOwnerAction(action, *skin, OwnerFormOf(*skin));
    else
        RunAction(action, *skin);
    if (action != TSkinAction::Reskin) CallEvent(skin->OnSkinChanged, skin);
}

void TSkinManager::RunOwnerAction(TSkinAction action, TSkinData& skin, TForm* owner) {
    switch (action) {
    case TSkinAction::SkinAll:
        FEnabled = true;
        FBulk = true;
        if (owner) SkinForm(*owner);
        FBulk = false;
        break;
    case TSkinAction::UnskinAll:
        FEnabled = false;
        if (owner) RestoreAndFree(FindSkinForm(owner->Handle()));
        PurgeDeadFrames();
        break;
    case TSkinAction::Refresh:
        RefreshFrames(skin, owner);
        break;
    default:
        PurgeDeadFrames();
    }
}

void TSkinManager::RunAction(TSkinAction action, TSkinData& skin) {
    switch (action) {
    case TSkinAction::SkinAll: {
        FEnabled = true;
        FBulk = true;
        PurgeDeadFrames();
        std::vector<TForm*> forms = Application.Forms();
        for (auto form = forms.rbegin(); form != forms.rend(); ++form) SkinForm(**form);
        FBulk = false;
        break;
    }
    case TSkinAction::UnskinAll:
        FEnabled = false;
        PurgeDeadFrames();
        for (auto& frame : FFrames) RestoreAndFree(frame.get());
        PurgeDeadFrames();
        break;
    case TSkinAction::Refresh:
        PurgeDeadFrames();
        RefreshFrames(skin, nullptr);
        break;
    case TSkinAction::Reskin:
        if (TSkinFrame* frame = FindSkinForm(FPendingWindow)) RestoreAndFree(frame);
        PurgeDeadFrames();
        SkinWindow(FPendingWindow);
        break;
    default:
        PurgeDeadFrames();
    }
}

void TSkinManager::RefreshFrames(TSkinData& skin, TForm* onlyForm) {
    for (auto& frame : FFrames)
        if (&frame->Skin() == &skin && frame->State() == TSkinFrame::Skinned &&
            (!onlyForm || frame->Form() == onlyForm))
            frame->Refresh();
}

void TSkinManager::RestoreAndFree(TSkinFrame* frame) {
    if (!frame || frame->State() == TSkinFrame::Dead) return;
    frame->Restore();
    frame->MarkDead();
}

void TSkinManager::PurgeDeadFrames() {
    std::erase_if(FFrames, [](const auto& frame) { return frame->State() == TSkinFrame::Dead; });
}
