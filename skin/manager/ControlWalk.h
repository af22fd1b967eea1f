#pragma once
#include <windows.h>

#include "skin/manager/ControlDispatch.h"

class TForm;
class TSkinFrame;
class TWinControl;

// A framework control as the dispatch sees it: its window class, framework
// family and window. AlreadySkinned tells only whether it answers the skin
// query; the walk adds whether its frame holds a skinner for it.
ControlDescription DescribeControl(TWinControl& control);

// Hands every control of a skinned window to its skinner, by the rules of
// the control dispatch: the controls of a framework form, or the child
// windows of a bare dialog box.
class TControlWalk {
public:
    explicit TControlWalk(TSkinFrame& frame);

    void WalkForm(TForm& form);
    void WalkWindow(HWND window);

private:
    void SkinControl(TWinControl& control);
    void Apply(TWinControl& control, const ControlDecision& decision);
    void WalkChildren(TWinControl& control, const ControlDecision& decision);
    void Skin(SkinnerKind kind, TWinControl* control, HWND window);
    void SkinChildWindow(HWND window);
    ControlDescription Describe(TWinControl& control) const;

    TSkinFrame& FFrame;
    DispatchSkin FSkin;
};
