#include "app/AddressField.h"

#include <algorithm>
#include <array>

namespace {
const std::array<std::wstring_view, 2> kPageWindowClasses = {L"Internet Explorer_Server",
                                                              L"Chrome_RenderWidgetHostHWND"};
}

TFieldPlace TFieldPlace::Below(long role) const {
    return {UnderToolbar || role == msaa::kRoleToolbar, role == msaa::kRoleComboBox, InFrameChildWindow};
}

bool IsNeverEntered(long role, long state) {
    return role == msaa::kRoleDocument || role == msaa::kRolePageTabList || (state & msaa::kStateInvisible);
}

bool IsAddressField(const TFieldPlace& place, long role, long state) {
    bool editableText = role == msaa::kRoleText && !(state & (msaa::kStateReadOnly | msaa::kStateInvisible));
    return editableText && (place.UnderToolbar || place.InComboBox || place.InFrameChildWindow);
}

bool IsPageWindowClass(std::wstring_view className) {
    return std::find(kPageWindowClasses.begin(), kPageWindowClasses.end(), className) != kPageWindowClasses.end();
}
