#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "skin/manager/ChildWindowDispatch.h"
#include "skin/manager/ControlDispatch.h"

// Readable failure messages: skinner kinds by their number in SkinnerKind.
inline void PrintTo(const ControlDecision& d, std::ostream* out) {
    *out << "{Skinner " << int(d.Skinner) << ", Walk " << int(d.Walk) << ", ChildSkinner " << int(d.ChildSkinner)
         << ", SetTransparent " << d.SetTransparent << ", DisableChildren " << d.DisableChildren << "}";
}
inline void PrintTo(const ChildWindowDecision& d, std::ostream* out) {
    *out << "{Skinner " << int(d.Skinner) << ", OnFirstChild " << d.OnFirstChild << ", WalkChildrenFirst "
         << d.WalkChildrenFirst << ", Recolour " << d.Recolour << "}";
}

inline TSkinControls AllElements() { return TSkinControls().set(); }
inline TSkinControls AllElementsBut(TSkinControlTypes element) { return AllElements().reset(element); }

// A skin with every element switched on and a Tabs element.
inline DispatchSkin FullSkin(const std::vector<std::string>& classMap = {}) {
    return {AllElements(), 99, true, ClassMapIndex(classMap)};
}

// A windowed control of a foreign class with a border, inside a form.
inline ControlDescription Control(const std::string& className, ControlFamily family = ControlFamily::Other) {
    ControlDescription control;
    control.ClassName = className;
    control.Family = family;
    control.Windowed = true;
    control.HasBorder = true;
    return control;
}
