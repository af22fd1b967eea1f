#pragma once
#include <cstdint>
#include <string_view>

#include "skin/data/SkinData.h"
#include "skin/manager/SkinnerKind.h"

// What to do with one bare child window of a dialog box.
struct ChildWindowDecision {
    SkinnerKind Skinner = SkinnerKind::None;
    bool OnFirstChild = false;  // the skinner goes to the window's first child
    // Its own children go through the dispatch before its skinner (when
    // it has one) and before it is recoloured.
    bool WalkChildrenFirst = false;
    bool Recolour = false;  // it takes the skin's button face colour

    bool operator==(const ChildWindowDecision&) const = default;
};

// By window class (any letter case) and window style, with the SkinControls
// element each kind of window needs; a window whose element is off stays
// native rather than being taken for another kind.
ChildWindowDecision DecideChildWindow(std::string_view className, uint32_t style, const TSkinControls& skinControls);

// The skinner of a child window of a skinned tab control, by window class
// (any letter case): the scroll buttons it makes when its tabs outgrow it
// take the up-down look; a page of a page control, of the page class of the
// control's family (tabs: the skinner kind of the control), shows the pane.
SkinnerKind DecideTabChild(SkinnerKind tabs, std::string_view className);
