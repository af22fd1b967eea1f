#include "skin/manager/ControlWalk.h"

#include "base/win32/WindowClassName.h"
#include "gui/BitBtn.h"
#include "gui/Button.h"
#include "gui/ComboBox.h"
#include "gui/DateTimePicker.h"
#include "gui/Edit.h"
#include "gui/Form.h"
#include "gui/GroupBox.h"
#include "gui/ListView.h"
#include "gui/ProgressBar.h"
#include "gui/ScrollBar.h"
#include "gui/SpeedButton.h"
#include "gui/StatusBar.h"
#include "gui/TabControl.h"
#include "gui/TrackBar.h"
#include "skin/control/SkinControl.h"
#include "skin/data/TextCase.h"
#include "skin/manager/ChildWindowDispatch.h"
#include "skin/manager/SkinMessages.h"

namespace {
// Derived classes before their bases (a bitmap button is a button too).
ControlFamily FamilyOf(TWinControl& control) {
    if (dynamic_cast<TCheckBox*>(&control)) return ControlFamily::CustomCheckBox;
    if (dynamic_cast<TGroupBox*>(&control)) return ControlFamily::CustomGroupBox;
    if (dynamic_cast<TPanel*>(&control)) return ControlFamily::CustomPanel;
    if (dynamic_cast<TMemo*>(&control)) return ControlFamily::CustomMemo;
    if (dynamic_cast<TBitBtn*>(&control)) return ControlFamily::BitBtn;
    if (dynamic_cast<TButton*>(&control)) return ControlFamily::Button;
    if (dynamic_cast<TEdit*>(&control)) return ControlFamily::CustomEdit;
    if (dynamic_cast<TForm*>(&control)) return ControlFamily::CustomForm;
    if (dynamic_cast<TProgressBar*>(&control)) return ControlFamily::ProgressBar;
    if (dynamic_cast<TTrackBar*>(&control)) return ControlFamily::TrackBar;
    if (dynamic_cast<TTabControl*>(&control)) return ControlFamily::TabControl;
    if (dynamic_cast<TListView*>(&control)) return ControlFamily::ListView;
    if (dynamic_cast<TStatusBar*>(&control)) return ControlFamily::StatusBar;
    if (dynamic_cast<TDateTimePicker*>(&control)) return ControlFamily::DateTimePicker;
    if (dynamic_cast<TComboBox*>(&control)) return ControlFamily::ComboBox;
    if (dynamic_cast<TSpeedButton*>(&control)) return ControlFamily::SpeedButton;
    if (dynamic_cast<TScrollBar*>(&control)) return ControlFamily::ScrollBar;
    return ControlFamily::Other;
}

bool HasBorder(HWND window) {
    RECT outer, inner;
    GetWindowRect(window, &outer);
    GetClientRect(window, &inner);
    return outer.right - outer.left != inner.right || outer.bottom - outer.top != inner.bottom;
}

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetWindowLongW(child, GWL_STYLE) & WS_CHILD) children.push_back(child);
    return children;
}
}  // namespace

TControlWalk::TControlWalk(TWalkedWindow window) : FWindow(std::move(window)), FSkin(DescribeSkin(FWindow.Skin)) {}

// The form's controls in creation order, then any control of its tab order
// that the first pass left.
void TControlWalk::WalkForm(TForm& form) {
    std::vector<TWinControl*> owned = form.OwnedControls();
    for (TWinControl* control : owned) SkinControl(*control);
    for (TWinControl* control : form.TabOrderList()) {
        if (!control->Handle() || control->Tag == FSkin.DisableTag || FWindow.Skinners.HasOneFor(control->Handle()) ||
            SendMessageW(control->Handle(), SkinMessage::Query, 0, 0) == 1)
            continue;
        SkinControl(*control);
    }
}

ControlDescription DescribeControl(TWinControl& control) {
    HWND window = control.Handle();
    ControlDescription description;
    description.ClassName = WindowClassName(window);
    description.Family = FamilyOf(control);
    description.Windowed = true;
    description.Style = window ? uint32_t(GetWindowLongW(window, GWL_STYLE)) : 0;
    description.HasBorder = window && HasBorder(window);
    description.Tag = control.Tag;
    description.HasParent = control.Parent() != nullptr;
    description.AlreadySkinned = window && SendMessageW(window, SkinMessage::Query, 0, 0) == 1;
    return description;
}

ControlDescription TControlWalk::Describe(TWinControl& control) const {
    ControlDescription description = DescribeControl(control);
    HWND window = control.Handle();
    description.AlreadySkinned = description.AlreadySkinned || (window && FWindow.Skinners.HasOneFor(window));
    return description;
}

void TControlWalk::SkinControl(TWinControl& control) {
    ControlDescription description = Describe(control);
    if (std::optional<ControlDecision> early = DecideBeforeHook(description, FSkin)) {
        Apply(control, *early);
        return;
    }
    if (!control.Handle()) return;
    TSkinData& skin = FWindow.Skin;
    if (skin.OnSkinControl) {
        TObject* skinned = nullptr;
        CallEvent(skin.OnSkinControl, &skin, &skin, FWindow.Form, &control, UpperCaseGbk(description.ClassName),
                  skinned);
        if (auto* given = dynamic_cast<TSkinControl*>(skinned)) {
            FWindow.Skinners.Add(std::unique_ptr<TSkinControl>(given));
            if (WalkChildrenAfterHookSkinner(description))
                for (TWinControl* child : control.Controls()) SkinControl(*child);
            return;
        }
    }
    Apply(control, DecideByTables(description, FSkin));
}

void TControlWalk::Apply(TWinControl& control, const ControlDecision& decision) {
    if (decision.DisableChildren)
        for (TWinControl* child : control.Controls()) child->Tag = FSkin.DisableTag;
    if (decision.ChildSkinner != SkinnerKind::None) WalkChildren(control, decision);
    if (decision.Walk == ChildWalk::BeforeSkinner) WalkChildren(control, decision);
    if (decision.Skinner != SkinnerKind::None) Skin(decision.Skinner, &control, control.Handle());
    if (decision.Walk == ChildWalk::AfterSkinner || decision.Walk == ChildWalk::OwnedComponentsAfterSkinner)
        WalkChildren(control, decision);
    if (decision.Walk == ChildWalk::ChildWindowsAfterSkinner && control.Handle()) WalkWindow(control.Handle());
}

void TControlWalk::WalkChildren(TWinControl& control, const ControlDecision& decision) {
    for (TWinControl* child : control.Controls()) {
        if (decision.ChildSkinner != SkinnerKind::None) {
            uint32_t style = child->Handle() ? uint32_t(GetWindowLongW(child->Handle(), GWL_STYLE)) : 0;
            SkinnerKind kind = SkinnerForChild(decision, style);
            if (kind != SkinnerKind::None) Skin(kind, child, child->Handle());
        } else {
            SkinControl(*child);
        }
    }
}

void TControlWalk::Skin(SkinnerKind kind, TWinControl* control, HWND window) {
    if (!window || FWindow.Skinners.HasOneFor(window)) return;
    if (std::unique_ptr<TSkinControl> skinner = FWindow.MakeSkinner(kind, control, window))
        FWindow.Skinners.Add(std::move(skinner));
}

void TControlWalk::WalkWindow(HWND window) {
    for (HWND child : ChildWindows(window)) SkinChildWindow(child);
}

void TControlWalk::SkinChildWindow(HWND window) {
    ChildWindowDecision decision =
        DecideChildWindow(WindowClassName(window), uint32_t(GetWindowLongW(window, GWL_STYLE)), FSkin.SkinControls);
    if (decision.WalkChildrenFirst) WalkWindow(window);
    // A bare window has no colour to set: it takes the button face the way
    // the bare boxes show it, through its erasing.
    SkinnerKind kind = decision.Recolour ? SkinnerKind::TSkinBoxH : decision.Skinner;
    if (kind == SkinnerKind::None) return;
    HWND target = decision.OnFirstChild ? GetWindow(window, GW_CHILD) : window;
    Skin(kind, nullptr, target);
}
