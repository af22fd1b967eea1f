#include <gtest/gtest.h>

#include <optional>

#include "DispatchTestSupport.h"

namespace {

using enum SkinnerKind;
using Decision = ChildWindowDecision;

constexpr uint32_t kChildVisible = 0x50000000;  // WS_CHILD | WS_VISIBLE
constexpr uint32_t kTabStop = 0x00010000;

Decision Decide(const char* className, uint32_t style, TSkinControls elements = AllElements()) {
    return DecideChildWindow(className, kChildVisible | style, elements);
}

struct RowCase {
    const char* ClassName;
    uint32_t Style;
    std::optional<TSkinControlTypes> Needs;
    Decision Expected;
};

const RowCase kRows[] = {
    {"button", 0x0, scButton, {.Skinner = TSkinButton}},                 // BS_PUSHBUTTON
    {"Button", 0x1, scButton, {.Skinner = TSkinButton}},                 // BS_DEFPUSHBUTTON
    {"button", 0x2, scCheckBox, {.Skinner = TSkinCheckBox}},             // BS_CHECKBOX
    {"BUTTON", 0x3, scCheckBox, {.Skinner = TSkinCheckBox}},             // BS_AUTOCHECKBOX
    {"button", 0x4, scRadioButton, {.Skinner = TSkinRadioButton}},       // BS_RADIOBUTTON
    {"button", 0x5, scCheckBox, {.Skinner = TSkinCheckBox}},             // BS_3STATE
    {"button", 0x6, scCheckBox, {.Skinner = TSkinCheckBox}},             // BS_AUTO3STATE
    {"button", 0x7, std::nullopt, {}},                                   // BS_GROUPBOX
    {"button", 0x8, scButton, {.Skinner = TSkinButton}},                 // BS_USERBUTTON
    {"button", 0x9, scRadioButton, {.Skinner = TSkinRadioButton}},       // BS_AUTORADIOBUTTON
    {"button", 0xA, scButton, {.Skinner = TSkinButton}},                 // BS_PUSHBOX
    {"button", 0xB, scButton, {.Skinner = TSkinButton}},                 // BS_OWNERDRAW
    {"button", 0xC, scButton, {.Skinner = TSkinButton}},                 // BS_SPLITBUTTON
    {"button", 0xE, scButton, {.Skinner = TSkinButton}},                 // BS_COMMANDLINK
    {"button", 0x80, std::nullopt, {}},                                  // BS_BITMAP
    {"button", 0x80 | 0x3, std::nullopt, {}},                            // a check box drawn as a bitmap
    {"button", 0x80 | 0xB, scButton, {.Skinner = TSkinButton}},          // owner-drawn, whatever else
    {"button", 0x20 | 0x2000 | 0x3, scCheckBox, {.Skinner = TSkinCheckBox}},  // BS_LEFTTEXT, BS_MULTILINE
    {"combobox", 0x2, scCombo, {.Skinner = TSkinComBox}},      // CBS_DROPDOWN
    {"ComboBox", 0x3, scCombo, {.Skinner = TSkinComBox}},      // CBS_DROPDOWNLIST
    {"combobox", 0x1, std::nullopt, {}},                       // CBS_SIMPLE
    {"combobox", 0x40 | 0x1, std::nullopt, {}},                // CBS_AUTOHSCROLL | CBS_SIMPLE
    {"ComboBoxEx32", 0x3, scCombo, {.Skinner = TSkinComBox, .OnFirstChild = true}},
    {"ScrollBar", 0x10, std::nullopt, {.Skinner = TSkinSizer}},  // SBS_SIZEGRIP
    {"scrollbar", 0x08, std::nullopt, {.Skinner = TSkinSizer}},  // SBS_SIZEBOX
    {"scrollbar", 0x10 | kTabStop, std::nullopt, {}},
    {"scrollbar", 0x0, std::nullopt, {}},  // SBS_HORZ: a real scroll bar
    {"scrollbar", 0x1, std::nullopt, {}},  // SBS_VERT
    {"SysTreeView32", 0x0, std::nullopt, {}},
    {"#32770", 0x0, std::nullopt, {.Skinner = TSkinBoxH, .WalkChildrenFirst = true}},
    {"#32770", kTabStop, std::nullopt, {}},
    {"TPanel", 0x0, std::nullopt, {.WalkChildrenFirst = true, .Recolour = true}},
    {"TTntPanel.UnicodeClass", 0x0, std::nullopt, {.WalkChildrenFirst = true, .Recolour = true}},
    {"TTntSilentPaintPanel.UnicodeClass", 0x0, std::nullopt, {.WalkChildrenFirst = true, .Recolour = true}},
    {"TCheckBox", 0x0, scCheckBox, {.Skinner = TSkinCheckBox}},
    {"TComboBox", 0x1, scCombo, {.Skinner = TSkinComBox}},
    {"TButton", 0x0, scButton, {.Skinner = TSkinButton}},
    {"TProgressBar", 0x0, std::nullopt, {.Skinner = TSkinProgress}},
    {"TSilentPaintPanel", 0x0, std::nullopt, {.Recolour = true}},
    {"SysTabControl32", 0x0, scTab, {.Skinner = TSkinTab}},
    {"SysTabControl32", 0x2000, std::nullopt, {}},  // TCS_OWNERDRAWFIXED
    {"ToolbarWindow32", 0x0, std::nullopt, {.Skinner = TSkinBoxH}},
    {"SysHeader32", 0x0, std::nullopt, {.Skinner = TSkinHeader}},  // a list view's header
    {"Edit", 0x0, scEdit, {.Skinner = TSkinEdit}},
    {"Static", 0x0, std::nullopt, {}},
    {"SysListView32", 0x0, std::nullopt, {}},
};

TEST(ChildWindowDispatch, EachRow_ByClassAndStyle) {
    for (const RowCase& row : kRows)
        EXPECT_EQ(Decide(row.ClassName, row.Style), row.Expected)
            << row.ClassName << " style 0x" << std::hex << row.Style;
}

TEST(ChildWindowDispatch, EachRow_NeedsItsElementAndOtherwiseStaysNative) {
    for (const RowCase& row : kRows) {
        TSkinControls elements = row.Needs ? AllElementsBut(*row.Needs) : TSkinControls();
        Decision expected = row.Needs ? Decision{} : row.Expected;
        EXPECT_EQ(Decide(row.ClassName, row.Style, elements), expected)
            << row.ClassName << " style 0x" << std::hex << row.Style;
    }
}

// The children of a skinned tab control, by the skinner kind of the control.
TEST(ChildWindowDispatch, TabChildren_ScrollButtonsAndThePagesOfTheControlsFamily) {
    struct {
        SkinnerKind Tabs;
        const char* ClassName;
        SkinnerKind Expected;
    } const cases[] = {
        {TSkinTab, "msctls_updown32", TSkinUpDown},   {TSkinTab31, "msctls_updown32", TSkinUpDown},
        {TSkinAdvPage, "Msctls_UpDown32", TSkinUpDown}, {TSkinTab, "TTabSheet", TSkinTabSheet},
        {TSkinTab, "ttabsheet", TSkinTabSheet},       {TSkinAdvPage, "TAdvTabSheet", TSkinTabSheet},
        {TSkinTab, "TAdvTabSheet", None},             {TSkinAdvPage, "TTabSheet", None},
        {TSkinTab31, "TTabSheet", None},              {TSkinTab, "Button", None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecideTabChild(c.Tabs, c.ClassName), c.Expected) << int(c.Tabs) << " " << c.ClassName;
}

}  // namespace
