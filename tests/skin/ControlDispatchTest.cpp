#include <gtest/gtest.h>

#include "DispatchTestSupport.h"

namespace {

using enum SkinnerKind;
using Family = ControlFamily;

// --- Before the hook: DisableTag, parent, already skinned ---

TEST(ControlDispatch, TagEqualToDisableTag_IsNotSkinned) {
    DispatchSkin skin = FullSkin();
    skin.DisableTag = 7;
    ControlDescription button = Control("TButton", Family::Button);
    button.Tag = 7;
    EXPECT_EQ(DecideBeforeHook(button, skin), ControlDecision{});
    button.Tag = 99;  // only the skin data's own DisableTag counts
    EXPECT_EQ(DecideBeforeHook(button, skin), std::nullopt);
}

TEST(ControlDispatch, DisabledRadioOrCheckGroup_DisablesItsChildren) {
    for (const char* group : {"TRzRadioGroup", "TLMDDBCHECKGROUP", "TMyCheckGroupEx"}) {
        ControlDescription control = Control(group);
        control.Tag = 99;
        EXPECT_EQ(DecideBeforeHook(control, FullSkin()), ControlDecision{.DisableChildren = true}) << group;
    }
    ControlDescription box = Control("TGroupBox", Family::CustomGroupBox);
    box.Tag = 99;
    EXPECT_EQ(DecideBeforeHook(box, FullSkin()), ControlDecision{});
}

TEST(ControlDispatch, WithoutParentOrAlreadySkinned_NothingHappens) {
    ControlDescription orphan = Control("TButton", Family::Button);
    orphan.HasParent = false;
    EXPECT_EQ(DecideBeforeHook(orphan, FullSkin()), ControlDecision{});
    ControlDescription skinned = Control("TButton", Family::Button);
    skinned.AlreadySkinned = true;
    EXPECT_EQ(DecideBeforeHook(skinned, FullSkin()), ControlDecision{});
    EXPECT_EQ(DecideBeforeHook(Control("TButton", Family::Button), FullSkin()), std::nullopt);
}

TEST(ControlDispatch, DisableTagComesBeforeTheParentTest) {
    ControlDescription group = Control("TRzRadioGroup");
    group.Tag = 99;
    group.HasParent = false;
    group.AlreadySkinned = true;
    EXPECT_EQ(DecideBeforeHook(group, FullSkin()), ControlDecision{.DisableChildren = true});
}

TEST(ControlDispatch, HookSkinnerOfAPanel_HasItsChildrenWalked) {
    EXPECT_TRUE(WalkChildrenAfterHookSkinner(Control("TPanel", Family::CustomPanel)));
    EXPECT_FALSE(WalkChildrenAfterHookSkinner(Control("TGroupBox", Family::CustomGroupBox)));
    EXPECT_FALSE(WalkChildrenAfterHookSkinner(Control("TButton", Family::Button)));
}

// --- The tables: ClassMap, the classes never skinned, the built-in rules ---

TEST(ControlDispatch, NilClassMapEntry_KeepsTheBuiltInRulesAway) {
    DispatchSkin skin = FullSkin({"TButton=nil", "TCheckBox=panel"});
    EXPECT_EQ(DecideByTables(Control("TButton", Family::Button), skin), ControlDecision{});
    EXPECT_EQ(DecideByTables(Control("TCheckBox", Family::CustomCheckBox), skin),
              (ControlDecision{.Skinner = TSkinBox, .SetTransparent = true}));
}

// The drop-down kind of a cx button, which only its published Kind tells.
TEST(ControlDispatch, BitBtnClassMapEntry_GivesADropDownCxButtonTheMenuButton) {
    ControlDescription cx = Control("TcxButton");
    cx.Kind = "cxbkDropDownButton";
    EXPECT_EQ(DecideByTables(cx, FullSkin({"TcxButton=bitbtn"})), ControlDecision{.Skinner = TSkinMenuButton});
    cx.Kind = "cxbkStandard";
    EXPECT_EQ(DecideByTables(cx, FullSkin({"TcxButton=bitbtn"})), ControlDecision{.Skinner = TSkinBitButton});
    ControlDescription other = Control("TRzBitbtn");
    other.Kind = "cxbkDropDownButton";
    EXPECT_EQ(DecideByTables(other, FullSkin({"TRzBitbtn=bitbtn"})), ControlDecision{.Skinner = TSkinBitButton});
}

TEST(ControlDispatch, ClassMapComesBeforeTheClassesNeverSkinned) {
    DispatchSkin skin = FullSkin({"TDBComboBoxEh=combobox"});
    EXPECT_EQ(DecideByTables(Control("TDBComboBoxEh", Family::CustomEdit), skin),
              ControlDecision{.Skinner = TSkinComBox});
}

TEST(ControlDispatch, ClassesNeverSkinned_WhateverTheirFramework) {
    EXPECT_EQ(DecideByTables(Control("TDBComboBoxEh", Family::CustomEdit), FullSkin()), ControlDecision{});
    EXPECT_EQ(DecideByTables(Control("TfrDesignerPage", Family::CustomPanel), FullSkin()), ControlDecision{});
    EXPECT_EQ(DecideByTables(Control("TFRPBOX", Family::CustomPanel), FullSkin()), ControlDecision{});
}

struct RuleCase {
    ControlDescription Control;
    std::optional<TSkinControlTypes> Needs;
    ControlDecision Expected;
    ControlDecision WithoutElement = {};  // what a later rule gives instead
};

ControlDescription WithStyle(ControlDescription control, uint32_t style) {
    control.Style = style;
    return control;
}

ControlDescription WithNumButtons(ControlDescription control, int numButtons) {
    control.NumButtons = numButtons;
    return control;
}

std::vector<RuleCase> BuiltInRules() {
    ControlDecision scrollbar{.Skinner = TSkinScrollbar};
    return {
        {Control("TTabSet"), scTab, {.Skinner = TSkinTab31}},
        {Control("TTABBEDNOTEBOOK"), scTab, {.Skinner = TSkinTab}},
        {Control("TMvcPanel"), std::nullopt, {.Walk = ChildWalk::BeforeSkinner}},
        {Control("TCheckBox", Family::CustomCheckBox), scCheckBox, {.Skinner = TSkinCheckBox}},
        {Control("TUpDown"), scSpin, {.Skinner = TSkinUpDown}},
        {Control("TSPINBUTTON"), scSpin, {.Skinner = TSkinUpDown}},
        {Control("TMediaPlayer"), scButton, {.Skinner = TSkinMP}},
        {Control("TDBNavigator"), scPanel, {.Skinner = TSkinBox, .Walk = ChildWalk::AfterSkinner}},
        {Control("TRzDBCheckBox"), scCheckBox, {.Skinner = TSkinObjImageCheckBox}},
        {Control("TRzCheckBox"), scCheckBox, {.Skinner = TSkinObjImageCheckBox}},
        {Control("TRzRadioButton"), scRadioButton, {.Skinner = TSkinObjImageRadioButton}},
        {Control("TRzDBRadioButton"), scRadioButton, {.Skinner = TSkinObjImageRadioButton}},
        {Control("TcxDBCheckBox"), scCheckBox, {.Skinner = TSkinObjImageCxCheckBox}},
        {Control("TcxCheckBox"), scCheckBox, {.Skinner = TSkinObjImageCxCheckBox}},
        {Control("TGroupBox", Family::CustomGroupBox), scPanel,
         {.Skinner = TSkinGroupBox, .Walk = ChildWalk::BeforeSkinner}},
        {Control("TTntComboBox"), scCombo, {.Skinner = TSkinComBox}},
        {Control("TRichEdit"), scScrollbar, scrollbar},
        {Control("TwwDBRichEdit"), scScrollbar, scrollbar},
        {Control("TdxDBMemo"), scScrollbar, scrollbar},
        {Control("TPanel", Family::CustomPanel), scPanel, {.Skinner = TSkinBox, .Walk = ChildWalk::BeforeSkinner}},
        {Control("TdxTreeList"), scScrollbar, scrollbar},
        {Control("TdxDBTreeList"), scScrollbar, scrollbar},
        {Control("TdxDBGrid"), scScrollbar, scrollbar},
        // A memo is an edit too.
        {Control("TMemo", Family::CustomMemo), scScrollbar, scrollbar, {.Skinner = TSkinEdit}},
        {WithStyle(Control("TListBox"), ControlStyleBits::HorizontalScroll), scScrollbar, scrollbar},
        {WithStyle(Control("TListBox"), ControlStyleBits::VerticalScroll), scScrollbar, scrollbar},
        {Control("TButton", Family::Button), scButton, {.Skinner = TSkinButton}},
        {Control("TEdit", Family::CustomEdit), scEdit, {.Skinner = TSkinEdit}},
        {WithNumButtons(Control("TDCEdit"), 1), scCombo, {.Skinner = TSkinComBox}},
        {WithNumButtons(Control("TDCDBEDIT"), 1), scCombo, {.Skinner = TSkinComBox}},
        {WithNumButtons(Control("TDCEdit"), 0), scEdit, {.Skinner = TSkinEdit}},
        {WithNumButtons(Control("TDCDBEDIT"), 0), scEdit, {.Skinner = TSkinEdit}},
        {Control("TForm5", Family::CustomForm), std::nullopt,
         {.Skinner = TSkinBox, .Walk = ChildWalk::OwnedComponentsAfterSkinner}},
        // The window layer's further standard controls, by framework family.
        {Control("TProgressBar", Family::ProgressBar), scProgress, {.Skinner = TSkinProgress}},
        {Control("TTrackBar", Family::TrackBar), scTrackBar, {.Skinner = TSkinTrackBar}},
        {Control("TTabControl", Family::TabControl), scTab, {.Skinner = TSkinTab}},
        {Control("TListView", Family::ListView), scScrollbar,
         {.Skinner = TSkinListView, .Walk = ChildWalk::ChildWindowsAfterSkinner}},
        {Control("TStatusBar", Family::StatusBar), scStatusBar, {.Skinner = TSkinStatusBar}},
        {Control("TDateTimePicker", Family::DateTimePicker), scCombo, {.Skinner = TSkinDateTime}},
        {Control("TComboBox", Family::ComboBox), scCombo, {.Skinner = TSkinComBox}},
        {Control("TSpeedButton", Family::SpeedButton), scSpeedButton, {.Skinner = TSkinSpeedButton}},
        // Switched as the "bitbtn" kind is, never drawn as a bare push button.
        {Control("TBitBtn", Family::BitBtn), scButton, {.Skinner = TSkinBitButton}},
        {Control("TScrollBar", Family::ScrollBar), scScrollbar, {.Skinner = TSkinScrollbarSingle}},
    };
}

TEST(ControlDispatch, EachBuiltInRule_GivesItsSkinnerWhenItsElementIsOn) {
    for (const RuleCase& c : BuiltInRules())
        EXPECT_EQ(DecideByTables(c.Control, FullSkin()), c.Expected) << c.Control.ClassName;
}

TEST(ControlDispatch, EachBuiltInRule_NeedsItsElement) {
    for (const RuleCase& c : BuiltInRules()) {
        DispatchSkin skin = FullSkin();
        if (c.Needs) skin.SkinControls.reset(*c.Needs);
        ControlDecision expected = c.Needs ? c.WithoutElement : c.Expected;
        EXPECT_EQ(DecideByTables(c.Control, skin), expected) << c.Control.ClassName;
    }
}

TEST(ControlDispatch, TabRules_NeedTheSkinsTabsElement) {
    DispatchSkin skin = FullSkin();
    skin.HasTabs = false;
    EXPECT_EQ(DecideByTables(Control("TTABSET"), skin), ControlDecision{});
    EXPECT_EQ(DecideByTables(Control("TTABBEDNOTEBOOK"), skin), ControlDecision{});
}

TEST(ControlDispatch, TabControl_NeedsTheSkinsTabsElement) {
    DispatchSkin skin = FullSkin();
    skin.HasTabs = false;
    EXPECT_EQ(DecideByTables(Control("TTabControl", Family::TabControl), skin), ControlDecision{});
}

TEST(ControlDispatch, StandardControlFamilies_ComeBeforeTheScrollBarStyles) {
    uint32_t both = ControlStyleBits::HorizontalScroll | ControlStyleBits::VerticalScroll;
    EXPECT_EQ(DecideByTables(WithStyle(Control("TListView", Family::ListView), both), FullSkin()),
              (ControlDecision{.Skinner = TSkinListView, .Walk = ChildWalk::ChildWindowsAfterSkinner}));
    EXPECT_EQ(DecideByTables(WithStyle(Control("TComboBox", Family::ComboBox), both), FullSkin()),
              ControlDecision{.Skinner = TSkinComBox});
}

TEST(ControlDispatch, StandardControlFamilies_YieldToClassMapEntries) {
    EXPECT_EQ(DecideByTables(Control("TProgressBar", Family::ProgressBar), FullSkin({"TProgressBar=nil"})),
              ControlDecision{});
    EXPECT_EQ(DecideByTables(Control("TBitBtn", Family::BitBtn), FullSkin({"TBitBtn=button"})),
              ControlDecision{.Skinner = TSkinButton});
}

TEST(ControlDispatch, ScrollBarStyle_CountsOnlyForWindowedControls) {
    ControlDescription graphic = WithStyle(Control("TFoo"), ControlStyleBits::VerticalScroll);
    graphic.Windowed = false;
    EXPECT_EQ(DecideByTables(graphic, FullSkin()), ControlDecision{});
    EXPECT_EQ(DecideByTables(Control("TFoo"), FullSkin()), ControlDecision{});
}

TEST(ControlDispatch, DcEdit_OtherButtonCountsSkinNothing) {
    EXPECT_EQ(DecideByTables(WithNumButtons(Control("TDCEDIT"), 2), FullSkin()), ControlDecision{});
    EXPECT_EQ(DecideByTables(Control("TDCEDIT"), FullSkin()), ControlDecision{});
}

TEST(ControlDispatch, BuiltInRules_FirstThatAppliesWins) {
    // A check box class by framework comes before the TRz class names.
    EXPECT_EQ(DecideByTables(Control("TRzCheckBox", Family::CustomCheckBox), FullSkin()),
              ControlDecision{.Skinner = TSkinCheckBox});
    // Navigator before panel: its children come after its skinner.
    EXPECT_EQ(DecideByTables(Control("TDBNavigator", Family::CustomPanel), FullSkin()),
              (ControlDecision{.Skinner = TSkinBox, .Walk = ChildWalk::AfterSkinner}));
    // Panel before scroll bar styles; scroll bar styles before buttons and edits.
    ControlDecision scrollbar{.Skinner = TSkinScrollbar};
    EXPECT_EQ(DecideByTables(WithStyle(Control("TPanel", Family::CustomPanel), ControlStyleBits::VerticalScroll),
                             FullSkin()),
              (ControlDecision{.Skinner = TSkinBox, .Walk = ChildWalk::BeforeSkinner}));
    EXPECT_EQ(DecideByTables(WithStyle(Control("TEdit", Family::CustomEdit), ControlStyleBits::HorizontalScroll),
                             FullSkin()),
              scrollbar);
    EXPECT_EQ(DecideByTables(WithStyle(Control("TButton", Family::Button), ControlStyleBits::VerticalScroll),
                             FullSkin()),
              scrollbar);
    // A rich edit is a memo: the class name rule comes first, same outcome.
    EXPECT_EQ(DecideByTables(Control("TRichEdit", Family::CustomMemo), FullSkin()), scrollbar);
    // Edits before the TDCEDIT rules.
    EXPECT_EQ(DecideByTables(WithNumButtons(Control("TDCEdit", Family::CustomEdit), 1), FullSkin()),
              ControlDecision{.Skinner = TSkinEdit});
}

TEST(ControlDispatch, RuleWhoseElementIsOff_LeavesTheControlToTheNextRule) {
    EXPECT_EQ(DecideByTables(WithNumButtons(Control("TDCEdit", Family::CustomEdit), 1),
                             {AllElementsBut(scEdit), 99, true, {}}),
              ControlDecision{.Skinner = TSkinComBox});
}

TEST(ControlDispatch, ClassNamesMatchInAnyLetterCase) {
    EXPECT_EQ(DecideByTables(Control("tmediaplayer"), FullSkin()), ControlDecision{.Skinner = TSkinMP});
    EXPECT_EQ(DecideByTables(Control("TMEDIAPLAYER"), FullSkin({"tmediaplayer=nil"})), ControlDecision{});
}

TEST(ControlDispatch, DescribeSkin_TakesTheSkinDataAsItIs) {
    TSkinHost host;
    TSkinData data(host);
    data.DisableTag = 12;
    data.SkinControls.reset(scButton);
    DispatchSkin skin = DescribeSkin(data);
    EXPECT_EQ(skin.DisableTag, 12);
    EXPECT_EQ(skin.SkinControls, data.SkinControls);
    EXPECT_FALSE(skin.HasTabs);
    EXPECT_EQ(skin.ClassMap.KindOf("TLMDGROUPBOX"), "groupbox");
    data.Tabs = std::make_unique<TSkinBorderElement>();
    EXPECT_TRUE(DescribeSkin(data).HasTabs);
}

}  // namespace
