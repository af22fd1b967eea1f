#include "skin/manager/ClassMapKinds.h"

#include <optional>
#include <string>

#include "skin/data/TextCase.h"

namespace {

using enum SkinnerKind;

struct Subject {
    const ControlDescription& Control;
    const DispatchSkin& Skin;
    bool Has(TSkinControlTypes element) const { return Skin.SkinControls.test(element); }
    bool ClassContains(std::string_view part) const {
        return UpperCaseGbk(Control.ClassName).find(part) != std::string::npos;
    }
};

// A kind whose decision depends on more than its element.
using Refinement = ControlDecision (*)(const Subject&);

struct KindRow {
    std::string_view Kind;
    std::optional<TSkinControlTypes> Needs;
    ControlDecision Decision;
    Refinement Refine = nullptr;
};

ControlDecision EditWithBorder(const Subject& s) {
    return {.Skinner = s.Control.HasBorder ? TSkinEdit : None};
}

ControlDecision BitButtonOrDropDown(const Subject& s) {
    bool dropDown = LowerCaseGbk(s.Control.ClassName) == "tcxbutton" && s.Control.Kind == "cxbkDropDownButton";
    return {.Skinner = dropDown ? TSkinMenuButton : TSkinBitButton};
}

ControlDecision TabsWhenSkinHasThem(const Subject& s) {
    return {.Skinner = s.Skin.HasTabs ? TSkinTab : None};
}

ControlDecision RadioGroup(const Subject& s) {
    ControlDecision decision{.Skinner = TSkinGroupBox};
    if (s.Has(scRadioButton))
        decision.ChildSkinner = s.ClassContains("TRZ") ? TSkinObjImageRadioButton : TSkinRadioButton;
    return decision;
}

// Its members are check boxes, so they are skinned with scCheckBox (not
// with scRadioButton as the radio group's members are).
ControlDecision CheckGroup(const Subject& s) {
    ControlDecision decision;
    if (s.Has(scCheckBox))
        decision.ChildSkinner = s.ClassContains("TRZ") ? TSkinObjImageCheckBox : TSkinCheckBox;
    if (s.Has(scGroupBox)) decision.Skinner = TSkinGroupBox;
    return decision;
}

const KindRow kKinds[] = {
    {"nil", std::nullopt, {}},
    {"combobox", scCombo, {.Skinner = TSkinComBox}},
    {"edit", scEdit, {}, EditWithBorder},
    {"radiobutton", scRadioButton, {.Skinner = TSkinRadioButton}},
    {"panel", scPanel, {.Skinner = TSkinBox, .SetTransparent = true}},
    {"trackbar", scButton, {.Skinner = TSkinTrackBar, .SetTransparent = true}},
    {"button", scButton, {.Skinner = TSkinButton}},
    {"datetimepicker", scCombo, {.Skinner = TSkinDateTime}},
    {"mediaplayer", scButton, {.Skinner = TSkinMP}},
    {"bitbtn", scButton, {}, BitButtonOrDropDown},
    {"pngbitbtn", scButton, {.Skinner = TSkinBitButtonPng}},
    {"menubtn", scButton, {.Skinner = TSkinMenuButton}},
    {"speedbutton", scSpeedButton, {.Skinner = TSkinSpeedButton}},
    {"tab", scTab, {}, TabsWhenSkinHasThem},
    {"progress", scProgress, {.Skinner = TSkinProgress}},
    {"scrollbar", scScrollbar, {.Skinner = TSkinScrollbar, .Walk = ChildWalk::AfterSkinner}},
    {"singlescrollbar", scScrollbar, {.Skinner = TSkinScrollbarSingle}},
    {"embedscrollbar", scScrollbar, {.ChildSkinner = TSkinScrollbarEmbedded}},
    {"container", std::nullopt, {.Walk = ChildWalk::BeforeSkinner}},
    {"groupbox", scGroupBox, {.Skinner = TSkinGroupBox}},
    {"advpagecontrol", scTab, {.Skinner = TSkinAdvPage}},
    {"radiogroup", scGroupBox, {}, RadioGroup},
    {"checkgroup", scPanel, {}, CheckGroup},
    {"checkbox", scCheckBox, {.Skinner = TSkinCheckBox}},
};

}  // namespace

ControlDecision DecideByClassMapKind(std::string_view kind, const ControlDescription& control,
                                     const DispatchSkin& skin) {
    Subject subject{control, skin};
    for (const KindRow& row : kKinds) {
        if (row.Kind != kind) continue;
        if (row.Needs && !subject.Has(*row.Needs)) return {};
        return row.Refine ? row.Refine(subject) : row.Decision;
    }
    return {};
}
