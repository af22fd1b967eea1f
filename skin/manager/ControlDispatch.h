#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "skin/data/SkinData.h"
#include "skin/manager/ClassMapLookup.h"
#include "skin/manager/SkinnerKind.h"

// The window style bits the dispatch reads, with the values of the Win32
// headers, so this file needs none of them.
namespace ControlStyleBits {
inline constexpr uint32_t HorizontalScroll = 0x00100000;  // WS_HSCROLL
inline constexpr uint32_t VerticalScroll = 0x00200000;    // WS_VSCROLL
inline constexpr uint32_t TabStop = 0x00010000;           // WS_TABSTOP
}  // namespace ControlStyleBits

// The framework class a control descends from, the most derived that
// applies: TCheckBox, TGroupBox, TPanel, TMemo, TButton, TEdit and TForm
// and their descendants. A memo counts as an edit too, as TMemo derives
// from TCustomEdit.
//
// The further standard controls of the window layer have families of their
// own, so that they reach their skinners by framework class rather than by
// ClassMap entries. A bitmap button (a TButton too) has the skinner that
// draws its glyph.
enum class ControlFamily {
    CustomCheckBox,
    CustomGroupBox,
    CustomPanel,
    CustomMemo,
    Button,
    CustomEdit,
    CustomForm,
    ProgressBar,
    TrackBar,
    TabControl,
    ListView,
    StatusBar,
    DateTimePicker,
    ComboBox,
    SpeedButton,
    BitBtn,
    ScrollBar,
    Other
};

// What the dispatch needs to know of one framework control.
struct ControlDescription {
    std::string ClassName;  // any letter case
    ControlFamily Family = ControlFamily::Other;
    bool Windowed = false;  // a windowed control, not a graphic one
    uint32_t Style = 0;     // of its window, once it has one
    bool HasBorder = false;  // its window and client rectangles differ
    int Tag = 0;
    bool HasParent = true;
    // It answers the skin query with 1, or the frame already holds a
    // skinner for it.
    bool AlreadySkinned = false;
    std::optional<int> NumButtons;  // the published NumButtons, when the class has one
    std::string Kind;               // the published Kind as text, empty when none
};

// What the dispatch needs to know of the skin data. Build it once per walk
// of a form: the ClassMap index is built here.
struct DispatchSkin {
    TSkinControls SkinControls;
    int DisableTag = 99;
    bool HasTabs = false;  // the skin has a Tabs element
    ClassMapIndex ClassMap;
};
DispatchSkin DescribeSkin(const TSkinData& skin);

// What to do with one control. Children first get their direct skinner
// (ChildSkinner, through SkinnerForChild), then the walk and the control's
// own skinner follow in the order Walk says.
struct ControlDecision {
    SkinnerKind Skinner = SkinnerKind::None;
    ChildWalk Walk = ChildWalk::None;
    // A skinner handed straight to each child, without its own dispatch:
    // the members of radio and check groups, the scrolling children of an
    // embedding container.
    SkinnerKind ChildSkinner = SkinnerKind::None;
    bool SetTransparent = false;   // set the control's Transparent property to True first
    bool DisableChildren = false;  // give each child Tag = DisableTag

    bool operator==(const ControlDecision&) const = default;
};

// The rules that apply before the control's window is made: its Tag equals
// DisableTag, it has no parent, it is already skinned. A decision ends the
// dispatch; none means: make sure the control has its window (a control
// whose window cannot be made stays native), call OnSkinControl when it is
// assigned, and ask DecideByTables when the hook gave no skinner.
std::optional<ControlDecision> DecideBeforeHook(const ControlDescription& control, const DispatchSkin& skin);

// A panel that OnSkinControl gave a skinner has its children walked after it.
bool WalkChildrenAfterHookSkinner(const ControlDescription& control);

// The ClassMap entry of the class when it has one, then the classes never
// skinned, then the built-in rules by class name and framework class, each
// with the SkinControls element it needs.
ControlDecision DecideByTables(const ControlDescription& control, const DispatchSkin& skin);

// The direct skinner of one child under a control's decision, by the
// child's window style (0 for a control without a window).
SkinnerKind SkinnerForChild(const ControlDecision& decision, uint32_t childStyle);
