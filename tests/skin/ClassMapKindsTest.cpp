#include <gtest/gtest.h>

#include "DispatchTestSupport.h"

namespace {

using enum SkinnerKind;

ControlDecision Mapped(const std::string& kind, TSkinControls elements = AllElements(),
                       ControlDescription control = Control("TFoo")) {
    DispatchSkin skin = FullSkin({control.ClassName + "=" + kind});
    skin.SkinControls = elements;
    return DecideByTables(control, skin);
}

struct KindCase {
    const char* Kind;
    TSkinControlTypes Needs;
    ControlDecision Expected;
};

const KindCase kKindCases[] = {
    {"combobox", scCombo, {.Skinner = TSkinComBox}},
    {"edit", scEdit, {.Skinner = TSkinEdit}},
    {"radiobutton", scRadioButton, {.Skinner = TSkinRadioButton}},
    {"panel", scPanel, {.Skinner = TSkinBox, .SetTransparent = true}},
    {"trackbar", scButton, {.Skinner = TSkinTrackBar, .SetTransparent = true}},
    {"button", scButton, {.Skinner = TSkinButton}},
    {"datetimepicker", scCombo, {.Skinner = TSkinDateTime}},
    {"mediaplayer", scButton, {.Skinner = TSkinMP}},
    {"bitbtn", scButton, {.Skinner = TSkinBitButton}},
    {"pngbitbtn", scButton, {.Skinner = TSkinBitButtonPng}},
    {"menubtn", scButton, {.Skinner = TSkinMenuButton}},
    {"speedbutton", scSpeedButton, {.Skinner = TSkinSpeedButton}},
    {"tab", scTab, {.Skinner = TSkinTab}},
    {"progress", scProgress, {.Skinner = TSkinProgress}},
    {"scrollbar", scScrollbar, {.Skinner = TSkinScrollbar, .Walk = ChildWalk::AfterSkinner}},
    {"singlescrollbar", scScrollbar, {.Skinner = TSkinScrollbarSingle}},
    {"embedscrollbar", scScrollbar, {.ChildSkinner = TSkinScrollbarEmbedded}},
    {"groupbox", scGroupBox, {.Skinner = TSkinGroupBox}},
    {"advpagecontrol", scTab, {.Skinner = TSkinAdvPage}},
    {"radiogroup", scGroupBox, {.Skinner = TSkinGroupBox, .ChildSkinner = TSkinRadioButton}},
    {"checkgroup", scPanel, {.Skinner = TSkinGroupBox, .ChildSkinner = TSkinCheckBox}},
    {"checkbox", scCheckBox, {.Skinner = TSkinCheckBox}},
};

TEST(ClassMapKinds, EachKind_GivesItsSkinnerWhenItsElementIsOn) {
    for (const KindCase& c : kKindCases) EXPECT_EQ(Mapped(c.Kind), c.Expected) << c.Kind;
}

TEST(ClassMapKinds, EachKind_LeavesTheControlNativeWhenItsElementIsOff) {
    for (const KindCase& c : kKindCases) EXPECT_EQ(Mapped(c.Kind, AllElementsBut(c.Needs)), ControlDecision{}) << c.Kind;
}

TEST(ClassMapKinds, KindsWithoutElement_ApplyWithEveryElementOff) {
    EXPECT_EQ(Mapped("nil"), ControlDecision{});
    EXPECT_EQ(Mapped("container", TSkinControls()), ControlDecision{.Walk = ChildWalk::BeforeSkinner});
}

TEST(ClassMapKinds, KindIsComparedInLowerCase_UnknownKindsSkinNothing) {
    EXPECT_EQ(Mapped("Panel"), (ControlDecision{.Skinner = TSkinBox, .SetTransparent = true}));
    EXPECT_EQ(Mapped("frobnicator"), ControlDecision{});
    EXPECT_EQ(Mapped("panel "), ControlDecision{});
    EXPECT_EQ(Mapped(""), ControlDecision{});
}

TEST(ClassMapKinds, FoundEntry_EndsTheDispatchWhateverTheKind) {
    // Each of these controls would get a skinner from the built-in rules.
    ControlDescription button = Control("TButton", ControlFamily::Button);
    EXPECT_EQ(Mapped("nil", AllElements(), button), ControlDecision{});
    EXPECT_EQ(Mapped("frobnicator", AllElements(), button), ControlDecision{});
    EXPECT_EQ(Mapped("combobox", AllElementsBut(scCombo), button), ControlDecision{});
    ControlDescription memo = Control("TMemo", ControlFamily::CustomMemo);
    EXPECT_EQ(Mapped("edit", AllElementsBut(scEdit), memo), ControlDecision{});
    EXPECT_EQ(Mapped("checkbox", AllElements(), button), ControlDecision{.Skinner = TSkinCheckBox});
}

TEST(ClassMapKinds, Edit_OnlyWithABorder) {
    ControlDescription flat = Control("TFoo");
    flat.HasBorder = false;
    EXPECT_EQ(Mapped("edit", AllElements(), flat), ControlDecision{});
}

TEST(ClassMapKinds, Tab_AlsoNeedsTheSkinsTabsElement) {
    ControlDescription control = Control("TFoo");
    DispatchSkin skin = FullSkin({"TFoo=tab"});
    skin.HasTabs = false;
    EXPECT_EQ(DecideByTables(control, skin), ControlDecision{});
}

TEST(ClassMapKinds, BitBtn_DropDownCxButtonGetsTheMenuButton) {
    ControlDescription cx = Control("TcxButton");
    cx.Kind = "cxbkDropDownButton";
    EXPECT_EQ(Mapped("bitbtn", AllElements(), cx), ControlDecision{.Skinner = TSkinMenuButton});
    cx.Kind = "cxbkStandard";
    EXPECT_EQ(Mapped("bitbtn", AllElements(), cx), ControlDecision{.Skinner = TSkinBitButton});
    ControlDescription other = Control("TRzBitbtn");
    other.Kind = "cxbkDropDownButton";
    EXPECT_EQ(Mapped("bitbtn", AllElements(), other), ControlDecision{.Skinner = TSkinBitButton});
}

TEST(ClassMapKinds, RadioGroup_MembersNeedRadioButtonsAndTrzGroupsGetObjectImages) {
    EXPECT_EQ(Mapped("radiogroup", AllElementsBut(scRadioButton)), ControlDecision{.Skinner = TSkinGroupBox});
    EXPECT_EQ(Mapped("radiogroup", AllElements(), Control("TRzRadioGroup")),
              (ControlDecision{.Skinner = TSkinGroupBox, .ChildSkinner = TSkinObjImageRadioButton}));
}

TEST(ClassMapKinds, CheckGroup_MembersNeedCheckBoxes_TheGroupBoxNeedsGroupBoxes) {
    EXPECT_EQ(Mapped("checkgroup", AllElementsBut(scCheckBox)), ControlDecision{.Skinner = TSkinGroupBox});
    EXPECT_EQ(Mapped("checkgroup", AllElementsBut(scRadioButton)),
              (ControlDecision{.Skinner = TSkinGroupBox, .ChildSkinner = TSkinCheckBox}));
    EXPECT_EQ(Mapped("checkgroup", AllElementsBut(scGroupBox)), ControlDecision{.ChildSkinner = TSkinCheckBox});
    EXPECT_EQ(Mapped("checkgroup", AllElements(), Control("TRzCheckGroup")),
              (ControlDecision{.Skinner = TSkinGroupBox, .ChildSkinner = TSkinObjImageCheckBox}));
}

TEST(ClassMapKinds, EmbedScrollbar_OnlyChildrenWithScrollBarsGetOne) {
    ControlDecision decision = Mapped("embedscrollbar");
    EXPECT_EQ(SkinnerForChild(decision, ControlStyleBits::HorizontalScroll), TSkinScrollbarEmbedded);
    EXPECT_EQ(SkinnerForChild(decision, ControlStyleBits::VerticalScroll), TSkinScrollbarEmbedded);
    EXPECT_EQ(SkinnerForChild(decision, 0x50000000), None);
}

TEST(ClassMapKinds, GroupMembers_AllGetTheirSkinnerWhateverTheirStyle) {
    EXPECT_EQ(SkinnerForChild(Mapped("radiogroup"), 0), TSkinRadioButton);
    EXPECT_EQ(SkinnerForChild(Mapped("checkgroup"), 0x50000000), TSkinCheckBox);
    EXPECT_EQ(SkinnerForChild(Mapped("panel"), ControlStyleBits::VerticalScroll), None);
}

TEST(ClassMapKinds, ForeignGroupBox_MapsThroughTheEarlierLine) {
    TSkinHost host;
    TSkinData data(host);
    data.ClassMap = {"TLMDGroupBox=Groupbox", "TLMDGROUPBOX=panel"};
    EXPECT_EQ(DecideByTables(Control("TLMDGROUPBOX"), DescribeSkin(data)), ControlDecision{.Skinner = TSkinGroupBox});
}

}  // namespace
