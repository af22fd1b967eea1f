#include "skin/manager/ControlDispatch.h"

#include <initializer_list>
#include <string_view>

#include "skin/data/TextCase.h"
#include "skin/manager/ClassMapKinds.h"

namespace {

using enum SkinnerKind;

bool HasScrollBarStyle(uint32_t style) {
    return (style & (ControlStyleBits::HorizontalScroll | ControlStyleBits::VerticalScroll)) != 0;
}

struct Subject {
    const ControlDescription& Control;
    std::string UpperName;
    const DispatchSkin& Skin;

    bool Named(std::initializer_list<std::string_view> names) const {
        for (std::string_view name : names)
            if (UpperName == name) return true;
        return false;
    }
    bool Is(ControlFamily family) const { return Control.Family == family; }
};

// One built-in rule: the test, the element it needs (the next rule is tried
// when either fails) and what the control gets.
struct ClassRule {
    bool (*Matches)(const Subject&);
    std::optional<TSkinControlTypes> Needs;
    ControlDecision Decision;
};

const ClassRule kClassRules[] = {
    {[](const Subject& s) { return s.Named({"TTABSET"}) && s.Skin.HasTabs; }, scTab, {.Skinner = TSkinTab31}},
    {[](const Subject& s) { return s.Named({"TTABBEDNOTEBOOK"}) && s.Skin.HasTabs; }, scTab, {.Skinner = TSkinTab}},
    {[](const Subject& s) { return s.Named({"TMVCPANEL"}); }, std::nullopt, {.Walk = ChildWalk::BeforeSkinner}},
    {[](const Subject& s) { return s.Is(ControlFamily::CustomCheckBox); }, scCheckBox, {.Skinner = TSkinCheckBox}},
    {[](const Subject& s) { return s.Named({"TUPDOWN", "TSPINBUTTON"}); }, scSpin, {.Skinner = TSkinUpDown}},
    {[](const Subject& s) { return s.Named({"TMEDIAPLAYER"}); }, scButton, {.Skinner = TSkinMP}},
    {[](const Subject& s) { return s.Named({"TDBNAVIGATOR"}); }, scPanel,
     {.Skinner = TSkinBox, .Walk = ChildWalk::AfterSkinner}},
    {[](const Subject& s) { return s.Named({"TRZDBCHECKBOX", "TRZCHECKBOX"}); }, scCheckBox,
     {.Skinner = TSkinObjImageCheckBox}},
    {[](const Subject& s) { return s.Named({"TRZRADIOBUTTON", "TRZDBRADIOBUTTON"}); }, scRadioButton,
     {.Skinner = TSkinObjImageRadioButton}},
    {[](const Subject& s) { return s.Named({"TCXDBCHECKBOX", "TCXCHECKBOX"}); }, scCheckBox,
     {.Skinner = TSkinObjImageCxCheckBox}},
    {[](const Subject& s) { return s.Is(ControlFamily::CustomGroupBox); }, scPanel,
     {.Skinner = TSkinGroupBox, .Walk = ChildWalk::BeforeSkinner}},
    {[](const Subject& s) { return s.Named({"TTNTCOMBOBOX"}); }, scCombo, {.Skinner = TSkinComBox}},
    {[](const Subject& s) { return s.Named({"TRICHEDIT", "TWWDBRICHEDIT", "TDXDBMEMO"}); }, scScrollbar,
     {.Skinner = TSkinScrollbar}},
    {[](const Subject& s) { return s.Is(ControlFamily::CustomPanel); }, scPanel,
     {.Skinner = TSkinBox, .Walk = ChildWalk::BeforeSkinner}},
    {[](const Subject& s) { return s.Named({"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"}); }, scScrollbar,
     {.Skinner = TSkinScrollbar}},
    // TMemo itself is caught here too, as every memo is a TCustomMemo.
    {[](const Subject& s) { return s.Is(ControlFamily::CustomMemo); }, scScrollbar, {.Skinner = TSkinScrollbar}},
    // The window layer's further standard controls, each switched by the
    // element of its kind; before the scroll bar styles, which a list view
    // takes on and off as it fills.
    {[](const Subject& s) { return s.Is(ControlFamily::ProgressBar); }, scProgress, {.Skinner = TSkinProgress}},
    {[](const Subject& s) { return s.Is(ControlFamily::TrackBar); }, scTrackBar, {.Skinner = TSkinTrackBar}},
    {[](const Subject& s) { return s.Is(ControlFamily::TabControl) && s.Skin.HasTabs; }, scTab,
     {.Skinner = TSkinTab}},
    {[](const Subject& s) { return s.Is(ControlFamily::ListView); }, scScrollbar,
     {.Skinner = TSkinListView, .Walk = ChildWalk::ChildWindowsAfterSkinner}},
    {[](const Subject& s) { return s.Is(ControlFamily::StatusBar); }, scStatusBar, {.Skinner = TSkinStatusBar}},
    {[](const Subject& s) { return s.Is(ControlFamily::DateTimePicker); }, scCombo, {.Skinner = TSkinDateTime}},
    {[](const Subject& s) { return s.Is(ControlFamily::ComboBox); }, scCombo, {.Skinner = TSkinComBox}},
    {[](const Subject& s) { return s.Is(ControlFamily::SpeedButton); }, scSpeedButton, {.Skinner = TSkinSpeedButton}},
    // Switched by the push buttons' element, as the "bitbtn" kind is.
    {[](const Subject& s) { return s.Is(ControlFamily::BitBtn); }, scButton, {.Skinner = TSkinBitButton}},
    {[](const Subject& s) { return s.Is(ControlFamily::ScrollBar); }, scScrollbar, {.Skinner = TSkinScrollbarSingle}},
    {[](const Subject& s) { return s.Control.Windowed && HasScrollBarStyle(s.Control.Style); }, scScrollbar,
     {.Skinner = TSkinScrollbar}},
    {[](const Subject& s) { return s.Is(ControlFamily::Button); }, scButton,
     {.Skinner = TSkinButton}},
    {[](const Subject& s) { return s.Is(ControlFamily::CustomEdit) || s.Is(ControlFamily::CustomMemo); }, scEdit,
     {.Skinner = TSkinEdit}},
    {[](const Subject& s) { return s.Named({"TDCEDIT", "TDCDBEDIT"}) && s.Control.NumButtons == 1; }, scCombo,
     {.Skinner = TSkinComBox}},
    {[](const Subject& s) { return s.Named({"TDCEDIT", "TDCDBEDIT"}) && s.Control.NumButtons == 0; }, scEdit,
     {.Skinner = TSkinEdit}},
    {[](const Subject& s) { return s.Is(ControlFamily::CustomForm); }, std::nullopt,
     {.Skinner = TSkinBox, .Walk = ChildWalk::OwnedComponentsAfterSkinner}},
};

// Classes that paint in ways no skinner can follow.
bool IsNeverSkinned(const Subject& s) { return s.Named({"TDBCOMBOBOXEH", "TFRDESIGNERPAGE", "TFRPBOX"}); }

}  // namespace

DispatchSkin DescribeSkin(const TSkinData& skin) {
    return {skin.SkinControls, skin.DisableTag, skin.Tabs != nullptr, ClassMapIndex(skin.ClassMap)};
}

std::optional<ControlDecision> DecideBeforeHook(const ControlDescription& control, const DispatchSkin& skin) {
    if (control.Tag == skin.DisableTag) {
        // The members of a disabled group are disabled with it.
        std::string lower = LowerCaseGbk(control.ClassName);
        bool group = lower.find("radiogroup") != std::string::npos || lower.find("checkgroup") != std::string::npos;
        return ControlDecision{.DisableChildren = group};
    }
    if (!control.HasParent || control.AlreadySkinned) return ControlDecision{};
    return std::nullopt;
}

bool WalkChildrenAfterHookSkinner(const ControlDescription& control) {
    return control.Family == ControlFamily::CustomPanel;
}

ControlDecision DecideByTables(const ControlDescription& control, const DispatchSkin& skin) {
    if (std::optional<std::string> kind = skin.ClassMap.KindOf(control.ClassName))
        return DecideByClassMapKind(*kind, control, skin);
    Subject subject{control, UpperCaseGbk(control.ClassName), skin};
    if (IsNeverSkinned(subject)) return {};
    for (const ClassRule& rule : kClassRules) {
        if (!rule.Matches(subject)) continue;
        if (rule.Needs && !skin.SkinControls.test(*rule.Needs)) continue;
        return rule.Decision;
    }
    return {};
}

SkinnerKind SkinnerForChild(const ControlDecision& decision, uint32_t childStyle) {
    if (decision.ChildSkinner == TSkinScrollbarEmbedded && !HasScrollBarStyle(childStyle)) return None;
    return decision.ChildSkinner;
}
