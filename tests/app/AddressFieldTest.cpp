#include "app/AddressField.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
using namespace msaa;
const long kPane = 0x10, kGrouping = 0x14, kDialog = 0x12;

// Whether editable text in the state, below nodes of the roles from the top
// down, is the address field.
bool FieldBelow(const std::vector<long>& roles, long state = 0, TFieldPlace place = {}) {
    for (long role : roles) {
        if (IsNeverEntered(role, 0)) return false;
        place = place.Below(role);
    }
    return IsAddressField(place, kRoleText, state);
}
}  // namespace

TEST(AddressField, EditableTextUnderAToolbarOrInAComboBoxOutsideDocumentsAndTabLists) {
    EXPECT_TRUE(FieldBelow({kPane, kPane, kPane, kRoleToolbar, kGrouping}));  // Chromium's location bar
    EXPECT_TRUE(FieldBelow({kPane, kRoleComboBox}, kStateFocused));          // Firefox's address bar
    EXPECT_FALSE(FieldBelow({kRoleComboBox, kGrouping}));
    EXPECT_FALSE(FieldBelow({kPane, kGrouping}, kStateFocused));  // a focused find bar, alone under the root
    EXPECT_FALSE(FieldBelow({kPane, kDialog}));                  // a JavaScript prompt
    EXPECT_FALSE(FieldBelow({kRoleToolbar}, kStateReadOnly));    // an installed web app's window
    EXPECT_FALSE(FieldBelow({kRoleComboBox}, kStateInvisible));  // Firefox's scheme field
    EXPECT_FALSE(FieldBelow({kPane, kRoleDocument, kRoleToolbar}));
    EXPECT_FALSE(FieldBelow({kRoleToolbar, kRolePageTabList, kRoleToolbar}));
    // Internet Explorer's child windows answer no role under Wine.
    EXPECT_TRUE(FieldBelow({0, 0}, 0, {.InFrameChildWindow = true}));
    EXPECT_FALSE(FieldBelow({0, 0}));
}
