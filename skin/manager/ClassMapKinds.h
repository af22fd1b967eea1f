#pragma once
#include <string_view>

#include "skin/manager/ControlDispatch.h"

// The decision that a ClassMap kind ("panel", "radiogroup", ...) gives a
// control, with the SkinControls element the kind needs. A kind that is
// unknown or whose element is off leaves the control native.
ControlDecision DecideByClassMapKind(std::string_view kind, const ControlDescription& control,
                                     const DispatchSkin& skin);
