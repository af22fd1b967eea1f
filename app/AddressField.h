#pragma once
#include <string_view>

// Where a browser keeps its address field in its accessibility tree, found
// by role and place, never by name: editable text under a toolbar (Chromium's
// location bar, Firefox's navigation bar) or inside a combo box (Firefox's
// address bar), outside documents and tab lists. A focused find bar, a
// JavaScript prompt or a login dialog of Chromium, which then stands alone
// under the window's root, holds text under no toolbar and so is no field.
//
// The numbers are Microsoft Active Accessibility's roles and states, named
// here so that the rule needs no Windows header.
namespace msaa {
const long kRoleWindow = 0x09;
const long kRoleDocument = 0x0F;
const long kRoleToolbar = 0x16;
const long kRoleText = 0x2A;
const long kRoleComboBox = 0x2E;
const long kRolePageTabList = 0x3C;
const long kStateFocused = 0x4;
const long kStateReadOnly = 0x40;
const long kStateInvisible = 0x8000;
}  // namespace msaa

// What lies above a node, carried down the walk.
struct TFieldPlace {
    bool UnderToolbar = false;
    // The node's parent is a combo box.
    bool InComboBox = false;
    // Inside a child window of Internet Explorer's frame, whose objects
    // report no role under Wine.
    bool InFrameChildWindow = false;

    // The place of the children of a node of this role.
    TFieldPlace Below(long role) const;
};

// Documents (a page, and Vivaldi's whole interface), page tab lists (a
// window may hold hundreds of tabs) and hidden parts are never entered.
bool IsNeverEntered(long role, long state);

bool IsAddressField(const TFieldPlace& place, long role, long state);

// Child windows that hold a page: Internet Explorer's, also inside the IE
// mode of the dual-engine browsers, and Chromium's page window. A walk
// never enters them.
bool IsPageWindowClass(std::wstring_view className);
