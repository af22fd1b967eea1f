#include "app/AddressField.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
using namespace msaa;
const long kRolePane = 0x10, kRoleGrouping = 0x14, kRoleDialog = 0x12, kRoleClient = 0x0A, kRoleList = 0x21;

struct Node {
    long role;
    long state = 0;
};

struct PathCase {
    const char* what;
    std::vector<Node> ancestors;
    Node node;
    bool field;
};

bool FieldAt(const std::vector<Node>& ancestors, Node node, TFieldPlace place = {}) {
    for (Node above : ancestors) {
        if (IsNeverEntered(above.role, above.state)) return false;
        place = place.Below(above.role);
    }
    return IsAddressField(place, node.role, node.state);
}
}  // namespace

TEST(AddressField, EditableTextUnderAToolbarOrInAComboBoxOutsideDocuments) {
    const PathCase cases[] = {
        {"Chromium's location bar", {{kRolePane}, {kRolePane}, {kRoleToolbar}, {kRoleGrouping}}, {kRoleText}, true},
        {"Firefox's address bar", {{kRoleToolbar}, {kRoleComboBox}}, {kRoleText, kStateFocused}, true},
        {"a combo box outside any toolbar", {{kRolePane}, {kRoleComboBox}}, {kRoleText}, true},
        {"text a level below a combo box", {{kRoleComboBox}, {kRoleGrouping}}, {kRoleText}, false},
        {"a focused find bar alone under the root", {{kRolePane}, {kRoleGrouping}}, {kRoleText, kStateFocused}, false},
        {"a JavaScript prompt", {{kRolePane}, {kRoleDialog}}, {kRoleText}, false},
        {"a read-only field", {{kRoleToolbar}}, {kRoleText, kStateReadOnly}, false},
        {"Firefox's hidden scheme field", {{kRoleToolbar}, {kRoleComboBox}}, {kRoleText, kStateInvisible}, false},
        {"a toolbar's button", {{kRoleToolbar}}, {0x2B}, false},
        {"a page's toolbar", {{kRolePane}, {kRoleDocument}, {kRoleToolbar}}, {kRoleText}, false},
        {"a tab's text", {{kRoleToolbar}, {kRolePageTabList}, {0x25}}, {kRoleText}, false},
        {"a hidden toolbar", {{kRoleToolbar, kStateInvisible}}, {kRoleText}, false},
    };
    for (const PathCase& c : cases) EXPECT_EQ(FieldAt(c.ancestors, c.node), c.field) << c.what;
}

// Under Wine, Internet Explorer's child windows answer no role: any
// editable text inside them is its field.
TEST(AddressField, InternetExplorersChildWindowsHoldTheField) {
    TFieldPlace frameChild{.InFrameChildWindow = true};
    EXPECT_TRUE(FieldAt({{0}, {kRoleClient}}, {kRoleText}, frameChild));
    EXPECT_FALSE(FieldAt({{0}, {kRoleClient}}, {kRoleText}));
    EXPECT_FALSE(FieldAt({{kRoleDocument}}, {kRoleText}, frameChild));
    EXPECT_FALSE(FieldAt({{kRoleList}}, {kRoleText, kStateReadOnly}, frameChild));
}

TEST(AddressField, PageWindowsAreKnownByClass) {
    EXPECT_TRUE(IsPageWindowClass(L"Internet Explorer_Server"));
    EXPECT_TRUE(IsPageWindowClass(L"Chrome_RenderWidgetHostHWND"));
    EXPECT_FALSE(IsPageWindowClass(L"ComboBoxEx32"));
    EXPECT_FALSE(IsPageWindowClass(L"internet explorer_server"));
}
