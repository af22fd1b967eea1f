#pragma once
#include <windows.h>

#include <functional>
#include <memory>

#include "skin/data/SkinData.h"
#include "skin/frame/SkinnerSet.h"
#include "skin/manager/ControlDispatch.h"
#include "skin/manager/SkinnerKind.h"

class TForm;
class TSkinControl;
class TWinControl;

// A framework control as the dispatch sees it: its window class, framework
// family and window. AlreadySkinned tells only whether it answers the skin
// query; the walk adds whether its window holds a skinner for it.
ControlDescription DescribeControl(TWinControl& control);

// What the walk needs of the skinned window whose controls it hands out.
struct TWalkedWindow {
    TSkinData& Skin;
    TForm* Form = nullptr;
    // The skinners the window holds for its controls.
    TSkinnerSet& Skinners;
    // A skinner of the kind, attached, or none when the kind does not serve
    // the control with this skin.
    std::function<std::unique_ptr<TSkinControl>(SkinnerKind, TWinControl*, HWND)> MakeSkinner;
};

// Hands every control of a skinned window to its skinner, by the rules of
// the control dispatch: the controls of a framework form, or the child
// windows of a bare dialog box.
class TControlWalk {
public:
    explicit TControlWalk(TWalkedWindow window);

    void WalkForm(TForm& form);
    void WalkWindow(HWND window);

private:
    void SkinControl(TWinControl& control);
    void Apply(TWinControl& control, const ControlDecision& decision);
    void WalkChildren(TWinControl& control, const ControlDecision& decision);
    void Skin(SkinnerKind kind, TWinControl* control, HWND window);
    void SkinChildWindow(HWND window);
    ControlDescription Describe(TWinControl& control) const;

    TWalkedWindow FWindow;
    DispatchSkin FSkin;
};
