// Controls of classes that the skin's ClassMap gives a kind, on a form that
// the skin manager skins: each ends up with the skinner of its kind, or
// stays native.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <vector>

#include "skin/manager/ControlWalk.h"
#include "skin/manager/SkinMessages.h"
#include "tests/e2e/UiDriver.h"
#include "tests/gui/TestForm.h"
#include "tests/skin/DispatchTestSupport.h"
#include "tests/skin/FlatElements.h"
#include "tests/skin/SkinnedWindows.h"

namespace {

using enum SkinnerKind;

// A control of a foreign framework's class: a window of the Win32 class
// it was made from, or of its own.
class TForeignControl : public TWinControl {
public:
    void Create(TWinControl& parent, const wchar_t* className, const wchar_t* baseClass, DWORD style,
                DWORD exStyle, TBounds bounds) {
        CreateChild(parent, {className, baseClass, style, exStyle, bounds}, false);
    }
};

bool Skinned(const TWinControl& control) { return SendMessageW(control.Handle(), SkinMessage::Query, 0, 0) == 1; }

struct MappedCase {
    const wchar_t* ClassName;
    const wchar_t* BaseClass;  // null: a class of its own
    DWORD Style, ExStyle;
    SkinnerKind Expected;
};

// Classes of the program's own ClassMap, then of the lines the test adds.
const MappedCase kCases[] = {
    {L"TcxGroupBox", L"BUTTON", BS_GROUPBOX, 0, TSkinGroupBox},
    {L"TLMDGroupBox", L"BUTTON", BS_GROUPBOX, 0, TSkinGroupBox},  // its "Groupbox" line comes before its "panel" one
    {L"TRzButton", L"BUTTON", BS_PUSHBUTTON, 0, TSkinButton},
    {L"TLMDCheckBox", L"BUTTON", BS_AUTOCHECKBOX, 0, TSkinCheckBox},
    {L"TRzDBRadioButton", L"BUTTON", BS_AUTORADIOBUTTON, 0, TSkinRadioButton},
    {L"TcxDBComboBox", L"COMBOBOX", CBS_DROPDOWNLIST, 0, TSkinComBox},
    {L"TLMDEdit", L"EDIT", 0, WS_EX_CLIENTEDGE, TSkinEdit},
    {L"TWWDBEdit", L"EDIT", 0, 0, None},  // an edit without a border
    {L"TControlBar", nullptr, 0, 0, TSkinBox},
    {L"TAdvMemo", L"EDIT", ES_MULTILINE | WS_VSCROLL, WS_EX_CLIENTEDGE, TSkinScrollbar},
    {L"TMappedProgress", PROGRESS_CLASSW, 0, 0, TSkinProgress},
    {L"TMappedTrackBar", TRACKBAR_CLASSW, 0, 0, TSkinTrackBar},
    {L"TMappedTabs", WC_TABCONTROLW, 0, 0, TSkinTab},
    {L"TTabSet", WC_TABCONTROLW, TCS_BOTTOM, 0, None},  // mapped to nothing: its class rule never applies
    {L"TMappedOddKind", L"BUTTON", BS_PUSHBUTTON, 0, None},
};

class MappedClasses : public SkinnedWindows {
protected:
    static std::vector<std::string> WithTestLines() {
        std::vector<std::string> lines = MainSkin->ClassMap;
        for (const char* line : {"TMappedProgress=progress", "TMappedTrackBar=trackbar", "TMappedTabs=tab",
                                 "TTabSet=nil", "TMappedOddKind=frobnicator", "TMappedEmbedding=embedscrollbar",
                                 "TMemberMemo=nil"})
            lines.push_back(line);
        return lines;
    }

    TSwappedIn<std::vector<std::string>> classMap{MainSkin->ClassMap, WithTestLines()};
};

// One form holds them all, each in a cell of its own.
TEST_F(MappedClasses, EachControlEndsUpWithTheSkinnerOfItsKind) {
    TTestForm form;
    std::vector<std::unique_ptr<TForeignControl>> controls;
    for (const MappedCase& c : kCases) {
        int cell = int(controls.size());
        controls.push_back(std::make_unique<TForeignControl>());
        controls.back()->Create(form, c.ClassName, c.BaseClass, c.Style, c.ExStyle,
                                {cell % 4 * 50, cell / 4 * 40, 45, 35});
    }
    Show(form);
    for (size_t i = 0; i < controls.size(); ++i) {
        std::string name = ui::Narrow(kCases[i].ClassName);
        EXPECT_EQ(Skinned(*controls[i]), kCases[i].Expected != None) << name;
        EXPECT_EQ(DecideByTables(DescribeControl(*controls[i]), DescribeSkin(*MainSkin)).Skinner, kCases[i].Expected)
            << name;
    }
}

// The members of radio and check groups get the group's skinner for them,
// whatever their style; an embedding container gives one to each child
// with scroll bars. Their own classes would give them none.
TEST_F(MappedClasses, GroupsAndEmbeddingsSkinTheirChildren) {
    struct GroupCase {
        const wchar_t* ClassName;
        bool GroupSkinned, PlainChildSkinned;
    } const cases[] = {
        {L"TcxRadioGroup", true, true},
        {L"TLMDCheckGroup", true, true},
        {L"TMappedEmbedding", false, false},
    };
    TTestForm form;
    TForeignControl groups[3], scrolling[3], plain[3];
    for (int i = 0; i < 3; ++i) {
        groups[i].Create(form, cases[i].ClassName, nullptr, 0, 0, {i * 65, 0, 60, 140});
        scrolling[i].Create(groups[i], L"TMemberMemo", L"EDIT", ES_MULTILINE | WS_VSCROLL, 0, {5, 5, 50, 60});
        plain[i].Create(groups[i], L"TMemberButton", L"BUTTON", BS_AUTOCHECKBOX, 0, {5, 70, 50, 60});
    }
    Show(form);
    for (int i = 0; i < 3; ++i) {
        std::string name = ui::Narrow(cases[i].ClassName);
        EXPECT_EQ(Skinned(groups[i]), cases[i].GroupSkinned) << name;
        EXPECT_TRUE(Skinned(scrolling[i])) << name;
        EXPECT_EQ(Skinned(plain[i]), cases[i].PlainChildSkinned) << name;
    }
}

}  // namespace
