#include "skin/manager/ChildWindowDispatch.h"

#include <optional>
#include <string>

#include "skin/data/TextCase.h"

namespace {

using enum SkinnerKind;

// Button styles as the Win32 headers give them. The kind of a button is
// its style's low four bits (BS_TYPEMASK), one value, not a set of flags;
// BS_BITMAP is a flag beside it.
namespace ButtonStyle {
constexpr uint32_t TypeMask = 0xF;
constexpr uint32_t CheckBox = 2;           // BS_CHECKBOX
constexpr uint32_t AutoCheckBox = 3;       // BS_AUTOCHECKBOX
constexpr uint32_t RadioButton = 4;        // BS_RADIOBUTTON
constexpr uint32_t ThreeState = 5;         // BS_3STATE
constexpr uint32_t AutoThreeState = 6;     // BS_AUTO3STATE
constexpr uint32_t GroupBox = 7;           // BS_GROUPBOX
constexpr uint32_t AutoRadioButton = 9;    // BS_AUTORADIOBUTTON
constexpr uint32_t OwnerDraw = 0xB;        // BS_OWNERDRAW
constexpr uint32_t Bitmap = 0x80;          // BS_BITMAP
}  // namespace ButtonStyle

// The kind of a combo box is its style's low two bits (CBS_SIMPLE 1,
// CBS_DROPDOWN 2, CBS_DROPDOWNLIST 3); the system drops a list down for
// every kind but the simple one, so testing bit 1 alone would wrongly take
// CBS_DROPDOWNLIST for simple.
constexpr uint32_t kComboTypeMask = 3, kComboSimple = 1;
constexpr uint32_t kScrollBarSizeBox = 0x08, kScrollBarSizeGrip = 0x10;  // SBS_SIZEBOX, SBS_SIZEGRIP
constexpr uint32_t kTabStop = 0x00010000;                                // WS_TABSTOP
constexpr uint32_t kTabOwnerDrawFixed = 0x2000;                          // TCS_OWNERDRAWFIXED

struct Row {
    std::optional<TSkinControlTypes> Needs;
    ChildWindowDecision Decision;
};

Row ButtonRow(uint32_t style) {
    uint32_t type = style & ButtonStyle::TypeMask;
    if (type == ButtonStyle::GroupBox) return {};
    if (type != ButtonStyle::OwnerDraw && (style & ButtonStyle::Bitmap)) return {};
    switch (type) {
        // BS_AUTO3STATE is a three-state check box like BS_3STATE.
        case ButtonStyle::CheckBox: case ButtonStyle::AutoCheckBox:
        case ButtonStyle::ThreeState: case ButtonStyle::AutoThreeState:
            return {scCheckBox, {.Skinner = TSkinCheckBox}};
        case ButtonStyle::RadioButton: case ButtonStyle::AutoRadioButton:
            return {scRadioButton, {.Skinner = TSkinRadioButton}};
        default:
            return {scButton, {.Skinner = TSkinButton}};
    }
}

bool IsSimpleCombo(uint32_t style) { return (style & kComboTypeMask) == kComboSimple; }

// The size box in a dialog's corner; a scroll bar control keeps its own
// look, since the sizer paints over everything.
bool IsSizeBox(uint32_t style) {
    return !(style & kTabStop) && (style & (kScrollBarSizeBox | kScrollBarSizeGrip));
}

Row RowFor(const std::string& name, uint32_t style) {
    if (name == "button") return ButtonRow(style);
    if (name == "combobox") return IsSimpleCombo(style) ? Row{} : Row{scCombo, {.Skinner = TSkinComBox}};
    if (name == "comboboxex32") return {scCombo, {.Skinner = TSkinComBox, .OnFirstChild = true}};
    if (name == "scrollbar") return IsSizeBox(style) ? Row{std::nullopt, {.Skinner = TSkinSizer}} : Row{};
    if (name == "#32770")
        return style & kTabStop ? Row{} : Row{std::nullopt, {.Skinner = TSkinBoxH, .WalkChildrenFirst = true}};
    if (name == "tpanel" || name == "ttntpanel.unicodeclass" || name == "ttntsilentpaintpanel.unicodeclass")
        return {std::nullopt, {.WalkChildrenFirst = true, .Recolour = true}};
    if (name == "tcheckbox") return {scCheckBox, {.Skinner = TSkinCheckBox}};
    if (name == "tcombobox") return {scCombo, {.Skinner = TSkinComBox}};
    if (name == "tbutton") return {scButton, {.Skinner = TSkinButton}};
    if (name == "tprogressbar") return {std::nullopt, {.Skinner = TSkinProgress}};
    if (name == "tsilentpaintpanel") return {std::nullopt, {.Recolour = true}};
    if (name == "systabcontrol32") return style & kTabOwnerDrawFixed ? Row{} : Row{scTab, {.Skinner = TSkinTab}};
    if (name == "toolbarwindow32") return {std::nullopt, {.Skinner = TSkinBoxH}};
    if (name == "sysheader32") return {std::nullopt, {.Skinner = TSkinHeader}};
    if (name == "edit") return {scEdit, {.Skinner = TSkinEdit}};
    return {};  // systreeview32 and every other class
}

// The page class of each family of page controls.
struct PageFamily {
    SkinnerKind Tabs;
    std::string_view PageClass;
};
constexpr PageFamily kPageFamilies[] = {
    {TSkinTab, "ttabsheet"},
    {TSkinAdvPage, "tadvtabsheet"},
};

}  // namespace

ChildWindowDecision DecideChildWindow(std::string_view className, uint32_t style, const TSkinControls& skinControls) {
    Row row = RowFor(LowerCaseGbk(className), style);
    if (row.Needs && !skinControls.test(*row.Needs)) return {};
    return row.Decision;
}

SkinnerKind DecideTabChild(SkinnerKind tabs, std::string_view className) {
    std::string name = LowerCaseGbk(className);
    if (name == "msctls_updown32") return TSkinUpDown;
    for (const PageFamily& family : kPageFamilies)
        if (family.Tabs == tabs && name == family.PageClass) return TSkinTabSheet;
    return None;
}
